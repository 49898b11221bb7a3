#include "app/PictogramFinder.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "common/Text.h"
#include "keyboards/PictogramLabel.h"

namespace vorelio {
namespace {

constexpr std::string_view kGalleryPrefix = "CAT_IMG_";
constexpr std::string_view kPictureExtension = ".bmp";

bool EndsWithPictureExtension(std::string_view name) {
  return name.size() > kPictureExtension.size() &&
         ToLower(name.substr(name.size() - kPictureExtension.size())) == kPictureExtension;
}

std::string_view WithoutBrackets(std::string_view word) {
  word = Trim(word);
  if (IsPictogramWord(word)) word = word.substr(1, word.size() - 2);
  return Trim(word);
}

}  // namespace

void PictogramFinder::SetDataFolder(std::string folder) {
  folder_ = std::move(folder);
  read_ = false;
  references_.clear();
}

void PictogramFinder::ReadGalleries() {
  read_ = true;
  std::optional<std::vector<std::string>> entries = files_.ListFolder(folder_);
  if (!entries) return;
  std::vector<std::string> galleries;
  for (const std::string& entry : *entries) {
    if (entry.starts_with(kGalleryPrefix)) galleries.push_back(entry);
  }
  std::sort(galleries.begin(), galleries.end());
  for (const std::string& gallery : galleries) {
    const std::optional<std::vector<std::string>> pictures =
        files_.ListFolder(folder_ + gallery + "/");
    if (!pictures) continue;
    for (const std::string& picture : *pictures) {
      if (!EndsWithPictureExtension(picture)) continue;
      const std::string name =
          ToLower(picture.substr(0, picture.size() - kPictureExtension.size()));
      references_.try_emplace(name, gallery + "\\" + picture);
    }
  }
}

std::string PictogramFinder::ReferenceOf(std::string_view pictogramWord) {
  if (!read_) ReadGalleries();
  const auto found = references_.find(ToLower(WithoutBrackets(pictogramWord)));
  return found == references_.end() ? std::string() : found->second;
}

std::string PictogramFinder::RowOf(std::string_view text) {
  std::string row;
  for (const TextPart& part : SplitWordsAndPictograms(text)) {
    if (!part.isPictogram) continue;
    const std::string reference = ReferenceOf(part.text);
    if (reference.empty()) continue;
    if (!row.empty()) row += kPictogramSeparator;
    row += reference;
  }
  return row;
}

}  // namespace vorelio
