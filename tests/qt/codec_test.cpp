// Windows-1252 to Unicode and back, as the view converts every text.
#include <string>

#include <gtest/gtest.h>

#include "platform/qt/cp1252.h"
#include "platform/qt/services.h"

namespace ks::qt {
namespace {

struct CodecCase {
  std::string bytes;
  char16_t unicode;
};

TEST(Cp1252, EachByteRoundTripsThroughItsCharacter) {
  const CodecCase cases[] = {{"A", u'A'},       {"\x80", u'\u20AC'}, {"\x8A", u'\u0160'}, {"\x93", u'\u201C'},
                             {"\x9F", u'\u0178'}, {"\x81", u'\u0081'}, {"\xA0", u'\u00A0'}, {"\xE9", u'\u00E9'},
                             {"\xFF", u'\u00FF'}};
  for (const CodecCase& c : cases) {
    const QString text = FromCp1252(c.bytes);
    ASSERT_EQ(text.size(), 1) << c.bytes;
    EXPECT_EQ(text[0].unicode(), c.unicode) << c.bytes;
    EXPECT_EQ(ToCp1252(text), c.bytes);
  }
}

TEST(Cp1252, CharactersWithoutAByteBecomeOneQuestionMarkEach) {
  EXPECT_EQ(ToCp1252(QString::fromUtf8("K3\xE6\xBC\xA2 \xF0\x9F\x93\xBB!")), "K3? ?!");
  EXPECT_FALSE(Cp1252ByteOf(QChar(0x0100)).has_value());
}

// The editors that edit their own text (combo boxes, input boxes) refuse a character the
// files cannot hold, typed or pasted.
TEST(Cp1252, TheValidatorRefusesTextWithACharacterWithoutAByte) {
  const Cp1252Validator validator;
  int position = 0;
  const struct {
    const char* utf8;
    QValidator::State state;
  } cases[] = {{"Caf\xC3\xA9 \xE2\x82\xAC" "5", QValidator::Acceptable},  // é and € have bytes
               {"", QValidator::Acceptable},
               {"SP5\xC5\x81", QValidator::Invalid},                   // Ł has none
               {"K3 \xF0\x9F\x93\xBB", QValidator::Invalid}};          // nor a character beyond 16 bits
  for (const auto& c : cases) {
    QString text = QString::fromUtf8(c.utf8);
    EXPECT_EQ(validator.validate(text, position), c.state) << c.utf8;
  }
}

TEST(FileFilter, ToolkitFiltersBecomeQtNameFilters) {
  EXPECT_EQ(NameFiltersOf("Text (*.txt)|*.txt|All Files|*.*"),
            (QStringList{"Text (*.txt)", "All Files (*.*)"}));
  EXPECT_EQ(NameFiltersOf("Logs|*.txt;*.log"), QStringList{"Logs (*.txt *.log)"});
  EXPECT_TRUE(NameFiltersOf("").isEmpty());
}

}  // namespace
}  // namespace ks::qt
