// CUserProfile: one user profile, its options and its dictionary.
//
// The loaded flag says whether the options may be written back: 0 for a
// default-constructed profile, 1 once the options were read, or the profile
// was copied or created. Save writes nothing for a profile never loaded,
// so defaults never overwrite a file that was not read.
#pragma once

#include <string>

#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "prediction/Dictionary.h"
#include "profiles/UserProfileProperties.h"

namespace vorelio {

class CUserProfile {
 public:
  // Default options, an empty dictionary, loaded flag 0. The options and the
  // dictionary are read and written through `files`; the dictionary reports
  // its file failures through `messages`.
  CUserProfile(FileSystem& files, MessageBoxService& messages);
  // Copies the whole options record; the copy starts with an empty
  // dictionary of its own and loaded flag 1.
  CUserProfile(const CUserProfile& other);
  // Copies the whole options record and sets the loaded flag. This
  // profile's dictionary is its own vocabulary and stays as it is (a loaded
  // dictionary with unsaved learning is neither dropped nor replaced).
  CUserProfile& operator=(const CUserProfile& other);

  CUserProfileProperties& Properties() { return properties_; }
  const CUserProfileProperties& Properties() const { return properties_; }
  const std::string& Name() const { return properties_.Name(); }
  CDictionary& Dictionary() { return dictionary_; }
  const CDictionary& Dictionary() const { return dictionary_; }

  bool IsLoaded() const { return loaded_; }
  void SetLoaded(bool loaded) { loaded_ = loaded; }

  // Reads the options file at `path` (see CUserProfileProperties::Read) and
  // sets the loaded flag. Never fails.
  void ReadOptions(const std::string& path);
  // Writes all 99 options to `path` atomically; false when it cannot.
  bool WriteOptions(const std::string& path) const;
  // Writes the options to the options file path when the loaded flag is
  // set and the path is known. False only when a write failed.
  bool Save() const;

  // Loads the dictionary from the data folder (general files and this
  // profile's own, in the dictionary's order), unless it is in memory.
  void LoadDictionary();
  // Saves the modified user files and frees the dictionary, if it is in
  // memory. False when a file could not be written: the dictionary then
  // stays in memory with what was not saved, and the next release tries
  // again.
  bool ReleaseDictionary();
  bool DictionaryInMemory() const { return dictionaryInMemory_; }
  bool KeepsDictionaryInMemory() const { return properties_.options.keepDictionaryInMemory != 0; }

 private:
  FileSystem& files_;
  MessageBoxService& messages_;
  CUserProfileProperties properties_;
  CDictionary dictionary_;
  bool loaded_ = false;
  bool dictionaryInMemory_ = false;
};

}  // namespace vorelio
