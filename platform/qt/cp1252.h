#pragma once
// Windows-1252, the 8-bit text of the program's model and files, to and from the Unicode of
// the Qt widgets. Only the view converts; the model keeps the bytes.
#include <optional>
#include <string>
#include <string_view>

#include <QChar>
#include <QString>
#include <QValidator>

namespace ks::qt {

QString FromCp1252(std::string_view bytes);
// Characters without a Windows-1252 byte become "?".
std::string ToCp1252(const QString& text);
// The byte of one character, nothing when Windows-1252 has none.
std::optional<unsigned char> Cp1252ByteOf(QChar ch);
// Every character of `text` has a Windows-1252 byte.
bool HoldsInCp1252(const QString& text);

// Refuses, as they are typed or pasted, characters that Windows-1252 cannot hold: what an
// editor shows is then what the program stores.
class Cp1252Validator final : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& position) const override;
};

}  // namespace ks::qt
