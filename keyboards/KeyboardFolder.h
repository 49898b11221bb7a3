// The keyboards of a folder: each is a file NAME.tec, known by NAME.
// Folders are given ending in a path separator, as the data folder is.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/FileSystem.h"

namespace vorelio {

inline constexpr std::string_view kKeyboardExtension = ".tec";

// True when the name ends in ".tec", in any case.
bool IsKeyboardFileName(std::string_view fileName);
// The name without its ".tec" (any case); the name itself without one.
std::string KeyboardNameOf(std::string_view fileName);
// The file name of a keyboard: ".tec" is appended unless already there.
std::string KeyboardFileNameOf(std::string_view name);

// The names of the keyboards of the folder (entries ending in ".tec", in
// any case, that are not folders), without ".tec", sorted without regard
// to case. Empty when the folder cannot be read.
std::vector<std::string> ListKeyboards(FileSystem& files, const std::string& folder);

// The path of the keyboard `name` in the folder. A file written on Windows
// may differ in case only ("Casa.TEC" for "casa"): when the exact file is
// missing, an entry of the folder equal but for case is taken.
std::string KeyboardPath(FileSystem& files, const std::string& folder, std::string_view name);

// What to tell the user about the name of a new keyboard (Portuguese,
// Windows-1252); empty when the name will do. Checked in this order: empty,
// holds a blank, holds a character file names cannot have (\ / : * ? " < >
// |, which would also place the file elsewhere), already the name of one of
// `existing` (without regard to case, as on Windows).
std::string NewKeyboardNameProblem(std::string_view name, const std::vector<std::string>& existing);
// Creating a keyboard from a model without choosing one.
inline constexpr std::string_view kNoModelChosenMessage =
    "N\xe3o seleccionou nenhum modelo de teclado. Seleccione um dos teclados existentes como "
    "modelo para o novo teclado.";

}  // namespace vorelio
