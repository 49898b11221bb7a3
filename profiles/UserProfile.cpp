#include "profiles/UserProfile.h"

namespace vorelio {

CUserProfile::CUserProfile(FileSystem& files, MessageBoxService& messages)
    : files_(files), messages_(messages), dictionary_(files, messages) {}

CUserProfile::CUserProfile(const CUserProfile& other)
    : files_(other.files_),
      messages_(other.messages_),
      properties_(other.properties_),
      dictionary_(other.files_, other.messages_),
      loaded_(true) {}

CUserProfile& CUserProfile::operator=(const CUserProfile& other) {
  properties_ = other.properties_;
  loaded_ = true;
  return *this;
}

void CUserProfile::ReadOptions(const std::string& path) {
  loaded_ = true;
  properties_.Read(files_, path);
}

bool CUserProfile::WriteOptions(const std::string& path) const { return properties_.Write(files_, path); }

bool CUserProfile::Save() const {
  if (!loaded_ || properties_.OptionsFilePath().empty()) return true;
  return WriteOptions(properties_.OptionsFilePath());
}

void CUserProfile::LoadDictionary() {
  if (dictionaryInMemory_) return;
  dictionary_.LoadDictionary(properties_.DataFolder(), properties_.Name(),
                             properties_.options.LearnsFromUser());
  dictionaryInMemory_ = true;
}

bool CUserProfile::ReleaseDictionary() {
  if (!dictionaryInMemory_) return true;
  if (!dictionary_.ReleaseDictionary()) return false;
  dictionaryInMemory_ = false;
  return true;
}

}  // namespace vorelio
