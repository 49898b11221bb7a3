// The lists the option dialogs offer to choose from that belong to no other
// module: the GPS serial ports and the Bluetooth search mechanisms; and the
// rule that keeps a stored value among the choices.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorelio {

// The only Bluetooth tag search mechanism there is.
inline constexpr std::string_view kBluetoothInquiry = "Inqu\xE9rito";

// "com1" to "com20", the ports the general options offer for the GPS receiver.
std::vector<std::string> GpsPortChoices();

// `choices` with `current` put first when it is none of them, so that a
// dialog opened and closed never loses a value a file holds.
std::vector<std::string> WithCurrentValue(std::vector<std::string> choices,
                                          const std::string& current);

}  // namespace vorelio
