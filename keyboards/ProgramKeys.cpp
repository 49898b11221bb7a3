#include "keyboards/ProgramKeys.h"

#include <string>

namespace vorelio {

namespace {

struct NamedKey {
  const char* name;
  int code;
  bool inUse;
};

constexpr NamedKey kNamedKeys[] = {
    {"BkSp", 8, true},      {"Enter", 13, true},     {"Space", 32, true},
    {"Tab", 9, false},      {"CapsLock", 20, true},  {"Esquerda", 37, true},
    {"Direita", 39, true},  {"Cima", 38, true},      {"Baixo", 40, true},
    {"Alt", 18, true},      {"Ctrl", 17, true},      {"Shift", 16, true},
    {"Home", 36, false},    {"End", 35, false},      {"Pgup", 33, false},
    {"Pgdown", 34, false},  {"Ins", 45, false},      {"Del", 46, false},
};

constexpr int kF1 = 112;
constexpr int kNumpad0 = 96;

}  // namespace

void FillProgramKeySet(CKeySet& keys) {
  keys.Clear();
  for (const NamedKey& key : kNamedKeys) keys.Add(key.name, key.code, key.inUse);
  for (int n = 1; n <= 12; ++n) keys.Add("F" + std::to_string(n), kF1 + n - 1, n <= 10);
  for (int n = 0; n <= 9; ++n) keys.Add("Num" + std::to_string(n), kNumpad0 + n);
  for (char digit = '0'; digit <= '9'; ++digit) keys.Add(std::string(1, digit), digit, true, true);
  for (char letter = 'a'; letter <= 'z'; ++letter)
    keys.Add(std::string(1, letter), letter - 'a' + 'A', true, true);
}

}  // namespace vorelio
