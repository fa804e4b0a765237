#include "WindowText.h"

#include "Cp1252.h"

QString ToWindowText(std::string_view cp1252) {
    const std::string utf8 = Cp1252ToUtf8(cp1252);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string ToDataText(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return Utf8ToCp1252(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

bool FitsCp1252(const QString& text) {
    // A character survives the round trip exactly when the code page has it;
    // "?" itself is the only byte that also stands for a lost character.
    const QString back = ToWindowText(ToDataText(text));
    return back == text;
}

QValidator::State Cp1252Validator::validate(QString& input, int&) const {
    return FitsCp1252(input) ? Acceptable : Invalid;
}
