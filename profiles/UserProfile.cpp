#include "profiles/UserProfile.h"

namespace vorelio {

CUserProfile::CUserProfile(MessageBoxService& messages)
    : messages_(messages), dictionary_(messages) {}

CUserProfile::CUserProfile(const CUserProfile& other)
    : messages_(other.messages_),
      properties_(other.properties_),
      dictionary_(other.messages_),
      loaded_(true) {}

CUserProfile& CUserProfile::operator=(const CUserProfile& other) {
  properties_ = other.properties_;
  loaded_ = true;
  return *this;
}

void CUserProfile::ReadOptions(const std::string& path) {
  loaded_ = true;
  properties_.Read(path);
}

bool CUserProfile::WriteOptions(const std::string& path) const { return properties_.Write(path); }

bool CUserProfile::Save() const {
  if (!loaded_ || properties_.OptionsFilePath().empty()) return true;
  return WriteOptions(properties_.OptionsFilePath());
}

void CUserProfile::LoadDictionary() {
  if (dictionaryInMemory_) return;
  dictionary_.LoadDictionary(properties_.DataFolder(), properties_.Name(),
                             properties_.options.userAdaptation != 0);
  dictionaryInMemory_ = true;
}

void CUserProfile::ReleaseDictionary() {
  if (!dictionaryInMemory_) return;
  dictionary_.ReleaseDictionary();
  dictionaryInMemory_ = false;
}

}  // namespace vorelio
