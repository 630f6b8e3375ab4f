// The language tables: every text the program shows has its wording in every language, with
// the same format markers and accelerators, and the texts built from parts read naturally.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "common/texts.h"
#include "password/password_forms.h"
#include "password/password_messages.h"
#include "saver/run_error.h"
#include "setup/help_texts.h"
#include "setup/setup_form.h"
#include "setup/setup_model.h"
#include "setup/sysinfo.h"
#include "verses/verse_list.h"
#include "verses/verse_loader.h"

namespace sovelin {
namespace {

// Shows this language for one test.
class SpokenLanguage {
 public:
  explicit SpokenLanguage(const Language* language) { UseLanguage(language); }
  ~SpokenLanguage() { UseLanguage(nullptr); }
};

const Language* Spanish() {
  return LanguageFor(0x0C0A);
}

size_t Occurrences(std::string_view text, std::string_view part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string_view::npos; at = text.find(part, at + 1))
    ++count;
  return count;
}

// The fixed texts of the dialogs and messages, gathered from the forms and messages that show
// them (texts without a letter, such as "100%", are the same in every language).
std::vector<std::string_view> ShownTexts() {
  std::vector<std::string_view> texts = {kSetupCaption, "Help", kOwnVersesName,
                                         kSysInfoUnavailable.text};
  texts.insert(texts.end(), kTabCaptions.begin(), kTabCaptions.end());
  texts.insert(texts.end(), kBackdropCaptions.begin(), kBackdropCaptions.end());
  for (const ControlDescriptor& control : SetupControls()) texts.push_back(control.caption);
  for (HelpTopic topic : {HelpTopic::kDisplay, HelpTopic::kSpeed, HelpTopic::kFreq,
                          HelpTopic::kBackground, HelpTopic::kPassword}) {
    texts.push_back(HelpMessage(topic).title);
    texts.push_back(HelpMessage(topic).text);
  }
  texts.push_back(prompt_form::kForm.caption);
  for (const PasswordControl& control : prompt_form::kControls) texts.push_back(control.text);
  texts.push_back(change_form::kForm.caption);
  for (const PasswordControl& control : change_form::kControls) texts.push_back(control.text);
  for (const ErrorMessage& message :
       {kIncorrectPasswordMessage, kWrongOldPasswordMessage, kNewPasswordMismatchMessage}) {
    texts.push_back(message.title);
    texts.push_back(message.text);
  }
  std::erase_if(texts, [](std::string_view text) {
    return std::none_of(text.begin(), text.end(), [](char c) { return std::isalpha(c & 0x7F); });
  });
  return texts;
}

TEST(Texts, EveryLanguageHasEveryShownTextWithItsMarkersAndAccelerators) {
  ASSERT_FALSE(Languages().empty());
  for (const Language* language : Languages()) {
    SCOPED_TRACE(std::string(language->name));
    std::set<std::string_view> english;
    for (const Translation& text : language->texts) {
      SCOPED_TRACE(std::string(text.english));
      EXPECT_TRUE(english.insert(text.english).second) << "translated twice";
      EXPECT_FALSE(text.translated.empty());
      EXPECT_EQ(Occurrences(text.translated, "%s"), Occurrences(text.english, "%s"));
      EXPECT_EQ(Occurrences(text.translated, "&"), Occurrences(text.english, "&"));
      EXPECT_EQ(Occurrences(text.translated, "\r\n") > 0, Occurrences(text.english, "\r\n") > 0);
    }
    for (std::string_view text : ShownTexts())
      EXPECT_TRUE(english.contains(text)) << "not translated: " << text;
  }
}

TEST(Texts, TheDisplayLanguageChoosesSpanishForEverySpanishAndEnglishForTheRest) {
  ASSERT_NE(Spanish(), nullptr);
  EXPECT_EQ(LanguageFor(0x080A), Spanish());  // Mexico
  EXPECT_EQ(LanguageFor(0x540A), Spanish());  // United States
  EXPECT_EQ(LanguageFor(0x0409), nullptr);    // English
  EXPECT_EQ(LanguageFor(0x040C), nullptr);    // French, which has no table
  EXPECT_EQ(LanguageFor(0x0000), nullptr);
  SpokenLanguage spanish(Spanish());
  EXPECT_EQ(Tr("OK"), "Aceptar");
  EXPECT_EQ(Tr("A text no table has"), "A text no table has");
  UseLanguage(nullptr);
  EXPECT_EQ(Tr("OK"), "OK");
  EXPECT_EQ(UnexpectedErrorMessage(7, "Out of memory"),
            "Unexpected Error # 7\r\nOut of memory\r\n\r\nAborting.");
}

TEST(Texts, FormatFillsEachMarkerInTurnAndLeavesTheValuesAlone) {
  EXPECT_EQ(FormatText("%s and %s more.", {"1, 4", "2"}), "1, 4 and 2 more.");
  EXPECT_EQ(FormatText("%s%s", {"%s", "x"}), "%sx");
  EXPECT_EQ(FormatText("a %s b %s", {"1"}), "a 1 b %s");
  EXPECT_EQ(FormatText("100%", {}), "100%");
}

TEST(Texts, TextsBuiltFromPartsReadInSpanish) {
  SpokenLanguage spanish(Spanish());
  EXPECT_EQ(DescribeVerseFile({true, 1, {}, 0}, true), "Su propia lista tiene 1 versículo.");
  EXPECT_EQ(DescribeVerseFile({true, 441, {}, 0}, false), "441 versículos.");
  EXPECT_EQ(DescribeVerseFile({true, 3, {2}, 1}, false),
            "3 versículos. Sin referencia en la línea 2.");
  EXPECT_EQ(DescribeVerseFile({true, 40, {1, 4, 9, 16, 25}, 7}, true),
            "Su propia lista tiene 40 versículos. Sin referencia en las líneas 1, 4, 9, 16, 25 y "
            "2 más.");
  EXPECT_EQ(DescribeVerseFile({}, false), "Esta lista no se encuentra.");
  EXPECT_EQ(UnexpectedErrorMessage(7, "Out of memory"),
            "Error inesperado n.º 7\r\nMemoria insuficiente\r\n\r\nSe cancela.");
  EXPECT_EQ(VersionCaption({3, 0, 1}), "Versión 3.0.1");
  EXPECT_EQ(OfferedVerseLists({}).back().displayName, "Mis propios versículos");
  EXPECT_EQ(CorruptFileText(), FixedVerseField(u"¡El archivo Sovel.vrs está dañado!\r\n\r\n"
                                               u"No se han cargado más versículos.\r\n\r\n"
                                               u"Corrija el archivo de versículos antes de volver "
                                               u"a ejecutarlo."));
}

}  // namespace
}  // namespace sovelin
