#include "app/ChoiceLists.h"

#include <algorithm>

namespace vorelio {

std::vector<std::string> GpsPortChoices() {
  constexpr int kPortCount = 20;
  std::vector<std::string> ports;
  for (int port = 1; port <= kPortCount; ++port) ports.push_back("com" + std::to_string(port));
  return ports;
}

std::vector<std::string> WithCurrentValue(std::vector<std::string> choices,
                                          const std::string& current) {
  if (std::find(choices.begin(), choices.end(), current) == choices.end())
    choices.insert(choices.begin(), current);
  return choices;
}

}  // namespace vorelio
