// CUserProfileSet: every user profile of the data folder, which one is
// current, their dictionaries, and the profile commands of the menu.
//
// The data folder holds, named by concatenation (folder + name + ext):
// "utils" (the profiles other than the generic one, one name a line),
// "base.cfg" (the template of new profiles, never written here), and for
// each profile its options NAME.cfg, vocabulary NAME.pal/.par/.frs/.paf,
// abbreviations NAME.abr and logs "NAME *.log". Profile 0 is always the
// generic profile "generico".
//
// Dictionaries: a profile's dictionary is loaded when it becomes current
// and saved and freed when another one does, unless its
// MANTER_DICIONARIO_MEMORIA is on; those stay loaded from Load to Close.
// Failures are shown through the MessageBoxService and otherwise absorbed.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/MessageBox.h"
#include "profiles/UserProfile.h"

namespace vorelio {

// The profiles of `dataFolder`: "generico", then the names of "utils" in
// file order, each once, without blank lines and names that are not safe
// (IsSafeProfileName).
std::vector<std::string> ProfileNamesOf(FileSystem& files, const std::string& dataFolder);

class CUserProfileSet {
 public:
  // `dataFolder` ends in a path separator; every file is read and written
  // through `files`.
  CUserProfileSet(std::string dataFolder, FileSystem& files, MessageBoxService& messages);
  // Closes the set if it is still loaded, so no learning is lost; `messages`
  // must outlive the set.
  ~CUserProfileSet();
  CUserProfileSet(const CUserProfileSet&) = delete;
  CUserProfileSet& operator=(const CUserProfileSet&) = delete;

  // Closes what is loaded, then reads the generic profile and every name
  // of "utils" with its options; loads the dictionaries kept in memory.
  // Blank lines are ignored; names that are unsafe (see IsSafeProfileName),
  // "generico" or repeated are skipped. A missing "utils" leaves only the
  // generic profile.
  void Load();
  // Load, then Open(name); returns the current index.
  int32_t Load(std::string_view openName);

  // Makes the named profile current and returns its index. An unknown name
  // shows that it is not available and opens the generic
  // profile. The profile that was current first saves its
  // options and, unless kept in memory, saves and frees its dictionary;
  // this happens also when it is the one re-opened. Never fails.
  int32_t Open(std::string_view name);
  // The index of the profile with exactly this name, or -1.
  int32_t Find(std::string_view name) const;
  // "generico" first, then the others in "utils" order.
  std::vector<std::string> Names() const;

  // Creates a profile (the name is checked as the new-profile dialog does,
  // with its messages, so no other profile's or the installation's files
  // are ever touched): empty NAME.pal/.par/.abr/.frs/.paf (the files of a
  // removed profile of that name are truncated), NAME.cfg a byte copy of
  // base.cfg (empty when base.cfg is missing), NAME appended to "utils";
  // then opens it. Returns its index, or -1 (with a message) when refused or
  // a file cannot be written.
  int32_t Create(std::string_view name);
  // Removes the chosen profile (empty: cancelled) after asking. Refuses the
  // generic and the current profile with their messages. "utils" is
  // rewritten without the name; the profile's files stay on disk. A
  // dictionary it kept in memory is saved first. True when removed.
  bool Remove(std::string_view chosenName);
  // The current profile takes the chosen profile's options, keeping its own
  // name and options file, and is re-opened (its options are written, its
  // vocabulary reloaded). False when nothing was chosen or it is unknown.
  bool CopyOptions(std::string_view chosenName);
  // Saves and frees every dictionary in memory, saves the current
  // profile's options and empties the set.
  void Close();

  // Deletes the chosen profile's logs: the files of the data folder named
  // NAME + ".log" or NAME + " " + anything + ".log" (the name is matched
  // literally; "ana" never takes the logs of "anabela"). Reports
  // success, or that some could not be deleted; true when all were.
  bool DeleteLogs(std::string_view chosenName);
  // Copies the same files into `destinationFolder` under their own names.
  // A file that already exists there is never overwritten: it counts as a
  // failure. Reports success, or that some could not be copied; true when
  // all were.
  bool CopyLogs(std::string_view chosenName, const std::string& destinationFolder);

  // NOME_TECLADO read from NAME.cfg (the default when it cannot be read),
  // with ".tec" appended or removed as asked. Empty for an unsafe name.
  std::string ProfileKeyboard(std::string_view name, bool withExtension) const;

  int32_t Count() const { return static_cast<int32_t>(profiles_.size()); }
  int32_t CurrentIndex() const { return current_; }
  // The profile at `index`; std::out_of_range outside 0..Count()-1.
  CUserProfile& Profile(int32_t index);
  const CUserProfile& Profile(int32_t index) const;
  // The current profile and its dictionary, or nullptr before the first Open.
  CUserProfile* Current();
  CDictionary* CurrentDictionary() const { return currentDictionary_; }
  const std::string& DataFolder() const { return dataFolder_; }

 private:
  std::unique_ptr<CUserProfile> ReadProfile(const std::string& name) const;
  // Reports what could not be saved.
  void ReleaseDictionary(CUserProfile& profile);
  void SaveOptions(const CUserProfile& profile);
  std::vector<std::string> LogFileNames(std::string_view profileName) const;

  std::string dataFolder_;
  FileSystem& files_;
  MessageBoxService& messages_;
  // Owned one by one so the current dictionary pointer survives growth.
  std::vector<std::unique_ptr<CUserProfile>> profiles_;
  int32_t current_ = -1;
  CDictionary* currentDictionary_ = nullptr;
};

}  // namespace vorelio
