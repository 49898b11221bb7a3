#include "keyboards/KeyboardFile.h"

#include <optional>
#include <type_traits>
#include <variant>

#include "common/Scanner.h"
#include "keyboards/KeyType.h"
#include "keyboards/PictogramLabel.h"
#include "profiles/OptionValueEncoding.h"

namespace vorelio {

namespace {

constexpr std::string_view kComment = "//";
constexpr std::string_view kLineWord = "LINHA";
constexpr std::string_view kGroupWord = "GRUPO";
constexpr std::string_view kKeyWord = "TECLA";
constexpr std::string_view kKeyHeightWord = "ALTURA_TECLAS";
constexpr std::string_view kPictogramKeyHeightWord = "ALTURA_TECLAS_IMAGENS";
constexpr std::string_view kDescriptionWord = "DESCRICAO";

struct LineRecord {
  std::string name;
};
struct GroupRecord {
  std::string name;
};
struct KeyHeightRecord {
  int32_t height;
};
struct PictogramKeyHeightRecord {
  int32_t height;
};
struct DescriptionRecord {
  std::string description;
};
using Record = std::variant<LineRecord, GroupRecord, COnScreenKeyData, KeyHeightRecord,
                            PictogramKeyHeightRecord, DescriptionRecord>;

// The fields after "TECLA": the longest form whose fields all read.
std::optional<COnScreenKeyData> ReadKeyFields(LineScanner& fields) {
  std::string_view type, label, description, output;
  if (!fields.String(type)) return std::nullopt;
  COnScreenKeyData key;
  key.type = type;
  if (!fields.String(label) || !fields.String(description) || !fields.String(output)) return key;
  key.label = DecodeKeyboardValue(label);
  key.description = DecodeKeyboardValue(description);
  key.output = DecodeKeyboardValue(output);
  if (auto pictogram = SplitPictogramLabel(key.label)) {
    key.label = std::move(pictogram->reference);
    key.caption = std::move(pictogram->caption);
  }
  int32_t active = 0, background = 0, text = 0;
  if (!fields.Int(active)) return key;
  key.active = active;
  if (fields.Int(background) && fields.Int(text)) {
    key.backgroundColour = background;
    key.textColour = text;
  }
  return key;
}

std::optional<std::string> ReadName(LineScanner& fields) {
  std::string_view word;
  if (!fields.String(word)) return std::nullopt;
  return DecodeKeyboardValue(word);
}

std::optional<Record> ReadRecord(std::string_view line) {
  LineScanner fields(line);
  std::string_view first;
  if (!fields.String(first) || first.starts_with(kComment)) return std::nullopt;
  int32_t number = 0;
  if (first == kKeyWord) {
    if (auto key = ReadKeyFields(fields)) return Record(std::move(*key));
  } else if (first == kLineWord) {
    if (auto name = ReadName(fields)) return Record(LineRecord{std::move(*name)});
  } else if (first == kGroupWord) {
    if (auto name = ReadName(fields)) return Record(GroupRecord{std::move(*name)});
  } else if (first == kKeyHeightWord) {
    if (fields.Int(number)) return Record(KeyHeightRecord{number});
  } else if (first == kPictogramKeyHeightWord) {
    if (fields.Int(number)) return Record(PictogramKeyHeightRecord{number});
  } else if (first == kDescriptionWord) {
    if (auto description = ReadName(fields)) return Record(DescriptionRecord{std::move(*description)});
  }
  return std::nullopt;
}

template <typename Visit>
void ForEachRecord(std::string_view contents, Visit visit) {
  LineReader lines(contents);
  std::string_view line;
  while (lines.Next(line)) {
    if (std::optional<Record> record = ReadRecord(line)) std::visit(visit, *record);
  }
}

// Applies the records in file order to the contents being built.
class ContentsBuilder {
 public:
  ContentsBuilder(KeyboardFileContents& keyboard, std::vector<COnScreenKeyData>* keyRecords)
      : keyboard_(keyboard), keyRecords_(keyRecords) {}

  void operator()(LineRecord& record) {
    keyboard_.lines.push_back({std::move(record.name), {}});
    inGroup_ = false;
  }
  void operator()(GroupRecord& record) {
    if (keyboard_.lines.empty()) return;
    keyboard_.lines.back().groups.push_back({std::move(record.name), {}});
    inGroup_ = true;
  }
  void operator()(COnScreenKeyData& key) {
    if (keyRecords_) keyRecords_->push_back(key);
    if (inGroup_) keyboard_.lines.back().groups.back().keys.push_back(std::move(key));
  }
  void operator()(KeyHeightRecord& record) { keyboard_.keyHeight = record.height; }
  void operator()(PictogramKeyHeightRecord& record) {
    keyboard_.pictogramKeyHeight = record.height;
  }
  void operator()(DescriptionRecord& record) {
    keyboard_.description = std::move(record.description);
  }

 private:
  KeyboardFileContents& keyboard_;
  std::vector<COnScreenKeyData>* keyRecords_;
  bool inGroup_ = false;  // a group has begun since the last line
};

bool StoresFields(std::string_view type) {
  return type == WordOf(KeyType::kNormal) || type == WordOf(KeyType::kPictogram);
}

void AppendRecord(std::string& text, std::string_view word, std::string_view value) {
  text += word;
  text += ' ';
  text += value;
  text += '\n';
}

void AppendKey(std::string& text, const COnScreenKeyData& key) {
  text += kKeyWord;
  text += ' ';
  text += key.type;
  if (StoresFields(key.type)) {
    for (const std::string& value :
         {ComposePictogramLabel(key.label, key.caption), key.description, key.output}) {
      text += ' ';
      text += EncodeKeyboardValue(value);
    }
    for (const int32_t number : {key.active, key.backgroundColour, key.textColour}) {
      text += ' ';
      text += std::to_string(number);
    }
  }
  text += '\n';
}

}  // namespace

KeyboardFileContents ReadKeyboardFile(std::string_view contents,
                                      std::vector<COnScreenKeyData>* keyRecords) {
  KeyboardFileContents keyboard;
  ForEachRecord(contents, ContentsBuilder(keyboard, keyRecords));
  return keyboard;
}

std::vector<COnScreenKeyData> ReadKeyRecords(std::string_view contents) {
  std::vector<COnScreenKeyData> keys;
  ForEachRecord(contents, [&keys](auto& record) {
    if constexpr (std::is_same_v<std::decay_t<decltype(record)>, COnScreenKeyData>)
      keys.push_back(std::move(record));
  });
  return keys;
}

std::string WriteKeyboardFile(const KeyboardFileContents& keyboard) {
  std::string text;
  if (keyboard.keyHeight > 0) AppendRecord(text, kKeyHeightWord, std::to_string(keyboard.keyHeight));
  if (keyboard.pictogramKeyHeight > 0)
    AppendRecord(text, kPictogramKeyHeightWord, std::to_string(keyboard.pictogramKeyHeight));
  if (!keyboard.description.empty())
    AppendRecord(text, kDescriptionWord, EncodeKeyboardValue(keyboard.description));
  for (const COnScreenKeyLineData& line : keyboard.lines) {
    text += '\n';
    AppendRecord(text, kLineWord, EncodeKeyboardValue(line.name));
    for (const COnScreenKeyGroupData& group : line.groups) {
      AppendRecord(text, kGroupWord, EncodeKeyboardValue(group.name));
      for (const COnScreenKeyData& key : group.keys) AppendKey(text, key);
    }
  }
  return text;
}

std::string EncodeKeyboardValue(std::string_view value) {
  if (value.empty()) return EncodeSpaces(" ");
  if (value.size() == 1) return EncodeSpaces(value);
  std::string asRead(value);
  for (char& c : asRead) {
    if (c == ';') c = ' ';
  }
  return EncodeSpaces(asRead);
}

std::string DecodeKeyboardValue(std::string_view word) {
  std::string value = DecodeSpaces(word);
  if (value.size() > 1) {
    for (char& c : value) {
      if (c == ';') c = ' ';
    }
  }
  return value;
}

}  // namespace vorelio
