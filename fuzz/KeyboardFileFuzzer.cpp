// libFuzzer target for the reader and writer of keyboard files (".tec")
// and the keyboard built from them.
//
// The input is read as file contents. Reading never fails, so the checks
// are that what was read survives its own file (written, read and written
// again, the bytes are the same), that the keyboard keeps its capacities
// and counts what it dropped, and that every key's position and records
// agree with the file. A violation aborts, so libFuzzer keeps the input.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "keyboards/KeyOutput.h"
#include "keyboards/KeyboardFile.h"
#include "keyboards/OnScreenKeyboard.h"
#include "keyboards/PictogramLabel.h"

namespace {

using namespace vorelio;

void Check(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "keyboard file: %s\n", what);
  std::abort();
}

// Every picture is 1 x 1: the keys load what their labels name.
class UnitPicture final : public KeyPicture {
 public:
  int Width() const override { return 1; }
  int Height() const override { return 1; }
};
class UnitPictureLoader final : public KeyPictureLoader {
 public:
  std::shared_ptr<const KeyPicture> Load(const std::string&,
                                         const std::vector<std::string>& references) override {
    Check(!references.empty() && references.size() <= kMaxPictogramsInRow, "a row of 1 to 50");
    return std::make_shared<UnitPicture>();
  }
};

void CheckFile(std::string_view input) {
  const KeyboardFileContents read = ReadKeyboardFile(input);
  const std::string written = WriteKeyboardFile(read);
  Check(WriteKeyboardFile(ReadKeyboardFile(written)) == written,
        "contents written, read and written again are the same");
  std::size_t placed = 0;
  for (const COnScreenKeyLineData& line : read.lines) {
    for (const COnScreenKeyGroupData& group : line.groups) {
      placed += group.keys.size();
      for (const COnScreenKeyData& key : group.keys) {
        Check(!key.type.empty(), "a key has a type");
        Check(key.caption.empty() || NamesPictogram(key.label), "captions go with pictograms");
        (void)ClassifyKeyOutput(key.output);
      }
    }
  }
  Check(ReadKeyRecords(input).size() >= placed, "every placed key is a key record");
}

void CheckKeyboard(std::string_view input) {
  UnitPictureLoader pictures;
  KeyboardEnvironment environment;
  environment.pictures = &pictures;
  COnScreenKeyboard keyboard(environment);
  keyboard.LoadContents(input);
  Check(!keyboard.IsModified(), "loading clears the modified flag");
  Check(keyboard.LineCount() <= COnScreenKeyboard::kCapacity, "at most 20 lines");
  int keys = 0;
  for (int line = 0; line < keyboard.LineCount(); ++line) {
    Check(keyboard.GroupCount(line) <= COnScreenKeyLine::kCapacity, "at most 10 groups");
    for (int group = 0; group < keyboard.GroupCount(line); ++group) {
      Check(keyboard.KeyCount(line, group) <= CColorButtonSet::kCapacity, "at most 200 keys");
      for (int key = 0; key < keyboard.KeyCount(line, group); ++key) {
        const COnScreenKeyIdentifier position{line, group, key};
        Check(keyboard.Key(position)->Position() == position, "keys know their place");
        Check(COnScreenKeyIdentifier::FromPacked(position.Packed()) == position, "positions pack");
        ++keys;
      }
    }
  }
  Check(keys + keyboard.Dropped().keys <= static_cast<int>(keyboard.KeyRecords().size()),
        "keys shown and dropped are key records");
  const std::string contents = keyboard.Contents();
  COnScreenKeyboard again(environment);
  again.LoadContents(contents);
  Check(again.Contents() == contents, "a saved keyboard loads as it was");
  Check(again.Dropped() == DroppedRecords{}, "a saved keyboard fits");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  CheckFile(input);
  CheckKeyboard(input);
  return 0;
}
