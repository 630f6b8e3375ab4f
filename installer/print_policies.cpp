// Prints the settings that policies may set, one a line, as the administrative templates must
// offer them: "Name choice 0 1 2", "Name range 0 16777215" or "Name text".
#include <iostream>

#include "settings/setting_table.h"

int main() {
  using sovelin::SettingKind;
  for (const sovelin::SettingDefinition& setting : sovelin::PolicySettings()) {
    std::cout << setting.name;
    switch (setting.kind) {
      case SettingKind::kChoice:
        std::cout << " choice";
        for (const int32_t value : setting.choices) std::cout << ' ' << value;
        break;
      case SettingKind::kSwitch: std::cout << " choice 0 1"; break;
      case SettingKind::kColor: std::cout << " range 0 " << sovelin::kLargestColor; break;
      case SettingKind::kListName:
      case SettingKind::kFullPath:
      case SettingKind::kFaceName: std::cout << " text"; break;
    }
    std::cout << '\n';
  }
}
