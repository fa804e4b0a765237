#include <algorithm>
#include <cmath>

#include "DocumentLayout.h"
#include "PageComposer.h"

namespace {

const double kLeft = Millimetres(25);
const double kRight = Millimetres(190);
const double kTop = Millimetres(15);
const double kBottom = Millimetres(275);
const double kFooterBaseline = Millimetres(286);
// The right column of the first page: sender, then customer number, date
// and delivery address.
const double kRightColumn = Millimetres(125);
// The address field of a window envelope.
const double kAddressTop = Millimetres(50);
const double kAddressWidth = Millimetres(85);
const double kSubjectTop = Millimetres(98);

// The order list's columns: shares of the width and their alignment.
constexpr double kShares[kOrderColumnCount] = {0.10, 0.19, 0.37, 0.17, 0.17};
constexpr ColumnAlignment kAlignments[kOrderColumnCount] = {kAlignCentred, kAlignLeft, kAlignLeft,
                                                            kAlignRight, kAlignRight};

QString Euro(const std::string& amount) { return PrintText(amount) + QStringLiteral(" \u20AC"); }

QStringList PrintLines(const std::vector<std::string>& lines) {
    QStringList printed;
    for (const std::string& line : lines) {
        printed.append(PrintText(line));
    }
    return printed;
}

// The styles of one letter, all scaled down alike for small print.
struct LetterStyles {
    explicit LetterStyles(bool small) : scale(small ? 0.8 : 1.0) {}
    TextStyle Of(int size, bool bold) const {
        return {static_cast<int>(std::lround(size * scale)), bold};
    }
    double scale;
    TextStyle body = Of(100, false);
    TextStyle side = Of(90, false);
    TextStyle sideStrong = Of(90, true);
    TextStyle returnLine = Of(70, false);
    TextStyle subject = Of(110, true);
    TextStyle table = Of(95, false);
    TextStyle tableStrong = Of(95, true);
};

class LetterWriter {
public:
    LetterWriter(const OrderContent& content, const QDate& date)
        : content_(content), styles_(content.smallPrint), date_(date) {
        double x = kLeft;
        for (int i = 0; i < kOrderColumnCount; ++i) {
            columns_.push_back({x, kShares[i] * (kRight - kLeft), kAlignments[i]});
            x += columns_.back().width;
        }
        QStringList titles;
        for (const std::string& title : OrderColumnTitles()) {
            titles.append(PrintText(title));
        }
        headerStyle_ = composer_.FittingStyle(titles, columns_, styles_.tableStrong,
                                              styles_.tableStrong.size * 3 / 4);
        header_ = composer_.WrapRow(titles, columns_, headerStyle_, 2);
    }

    PrintedDocument Write(const CancelCheck& cancelled) {
        composer_.NewPage();
        FirstPageHead();
        if (content_.positions.empty()) {
            y_ += composer_.Lines(page_, kLeft, kRight - kLeft, y_,
                                  {QStringLiteral("keine Positionen in dieser Bestellung")},
                                  styles_.body);
        } else {
            TableHeader();
        }
        const int linesPerPage = static_cast<int>((kBottom - kTop - Millimetres(20)) /
                                                  composer_.LineHeight(styles_.table));
        for (const auto& position : content_.positions) {
            if (cancelled()) {
                return composer_.TakeDocument();
            }
            const QStringList cells = {PrintText(position[0]), PrintText(position[1]),
                                       PrintText(position[2]), Euro(position[3]),
                                       Euro(position[4])};
            const TableRow row = composer_.WrapRow(cells, columns_, styles_.table, linesPerPage);
            const double height = composer_.RowHeight(row, styles_.table);
            if (y_ + height > kBottom) {
                NextPage();
            }
            composer_.DrawRow(page_, y_, row, columns_, styles_.table);
            y_ += height;
            composer_.Rule(page_, kLeft, kRight, y_, 2, kGridInk);
        }
        Sum();
        Closing();
        Footers();
        return composer_.TakeDocument();
    }

private:
    double LineHeight(TextStyle style) { return composer_.LineHeight(style); }

    double Block(double left, double width, double top, const QStringList& lines, TextStyle style) {
        QStringList wrapped;
        for (const QString& line : lines) {
            wrapped.append(composer_.Wrap(line, style, width));
        }
        return composer_.Lines(page_, left, width, top, wrapped, style);
    }

    void FirstPageHead() {
        const double senderBottom = Sender();
        const double recipientBottom =
            kAddressTop +
            Block(kLeft, kAddressWidth, kAddressTop, PrintLines(content_.recipient), styles_.body);
        const double factsBottom =
            Facts(std::max(kAddressTop, senderBottom + LineHeight(styles_.side)));
        y_ = std::max({recipientBottom, factsBottom, kSubjectTop * styles_.scale}) + Millimetres(6);
        Opening();
    }

    // The sender at the top right, and once more in one small line above the
    // recipient, as a window envelope shows it. Returns the block's bottom.
    double Sender() {
        double bottom = kTop;
        if (content_.sender.empty()) {
            return bottom;
        }
        const double width = kRight - kRightColumn;
        const QStringList sender = PrintLines(content_.sender);
        bottom += Block(kRightColumn, width, bottom, {sender.front()}, styles_.sideStrong);
        bottom += Block(kRightColumn, width, bottom, sender.mid(1), styles_.side);
        if (!content_.contact.empty()) {
            bottom += LineHeight(styles_.side) / 2;
            bottom +=
                Block(kRightColumn, width, bottom, PrintLines(content_.contact), styles_.side);
        }
        const QStringList returnLine = composer_.Wrap(sender.join(QStringLiteral(" \u00B7 ")),
                                                      styles_.returnLine, kAddressWidth);
        const double returnTop =
            kAddressTop - Millimetres(2) - returnLine.size() * LineHeight(styles_.returnLine);
        composer_.Lines(page_, kLeft, kAddressWidth, returnTop, returnLine, styles_.returnLine);
        composer_.Rule(page_, kLeft, kLeft + kAddressWidth, kAddressTop - Millimetres(1), 2,
                       kGridInk);
        return bottom;
    }

    // Customer number, date and delivery address beside the recipient.
    double Facts(double top) {
        const double width = kRight - kRightColumn;
        QStringList facts;
        if (!content_.customerNumber.empty()) {
            facts.append(QStringLiteral("Kunden-Nummer: ") + PrintText(content_.customerNumber));
        }
        facts.append(QStringLiteral("Datum: ") + date_.toString(QStringLiteral("dd.MM.yyyy")));
        top += Block(kRightColumn, width, top, facts, styles_.side);
        if (!content_.delivery.empty()) {
            top += LineHeight(styles_.side) / 2;
            top += Block(kRightColumn, width, top, {QStringLiteral("Lieferadresse:")},
                         styles_.sideStrong);
            top += Block(kRightColumn, width, top, PrintLines(content_.delivery), styles_.side);
        }
        return top;
    }

    // Subject, salutation and the sentence before the positions.
    void Opening() {
        const double width = kRight - kLeft;
        y_ += Block(kLeft, width, y_,
                    {QStringLiteral("Bestellung bei ") + PrintText(content_.supplierName)},
                    styles_.subject);
        y_ += LineHeight(styles_.body);
        y_ += Block(kLeft, width, y_, {QStringLiteral("Sehr geehrte Damen und Herren,")},
                    styles_.body);
        y_ += LineHeight(styles_.body) / 2;
        y_ += Block(
            kLeft, width, y_,
            {content_.business ? QStringLiteral("hiermit bestellen wir die folgenden Artikel:")
                               : QStringLiteral("hiermit bestelle ich die folgenden Artikel:")},
            styles_.body);
        y_ += LineHeight(styles_.body) / 2;
    }

    void TableHeader() {
        composer_.DrawRow(page_, y_, header_, columns_, headerStyle_);
        y_ += composer_.RowHeight(header_, headerStyle_);
        composer_.Rule(page_, kLeft, kRight, y_, 5);
    }

    void NextPage() {
        composer_.NewPage();
        ++page_;
        y_ = kTop;
        if (!content_.positions.empty()) {
            TableHeader();
        }
    }

    void Sum() {
        if (!content_.sum) {
            return;
        }
        const TableRow row = composer_.WrapRow(
            {QString(), QString(), QStringLiteral("Gesamtsumme:"), QString(), Euro(*content_.sum)},
            columns_, styles_.tableStrong, 2);
        const double height = composer_.RowHeight(row, styles_.tableStrong);
        if (y_ + height > kBottom) {
            NextPage();
        }
        composer_.Rule(page_, kLeft, kRight, y_, 8);
        composer_.DrawRow(page_, y_, row, columns_, styles_.tableStrong);
        y_ += height;
    }

    void Closing() {
        QStringList lines = {QStringLiteral("Mit freundlichen Gr\u00FC\u00DFen")};
        if (!content_.signature.empty()) {
            lines.append(QString());
            lines.append(PrintText(content_.signature));
        }
        const double gap = LineHeight(styles_.body) * 1.5;
        if (y_ + gap + lines.size() * LineHeight(styles_.body) > kBottom) {
            composer_.NewPage();
            ++page_;
            y_ = kTop;
        }
        y_ += gap;
        y_ += Block(kLeft, kRight - kLeft, y_, lines, styles_.body);
    }

    void Footers() {
        const int pages = composer_.PageCount();
        for (int number = 0; number < pages; ++number) {
            composer_.Text(number, kLeft, kRight - kLeft, kFooterBaseline,
                           QStringLiteral("Seite %1 von %2").arg(number + 1).arg(pages),
                           styles_.side, kAlignCentred);
        }
    }

    const OrderContent& content_;
    LetterStyles styles_;
    QDate date_;
    PageComposer composer_;
    std::vector<TableColumn> columns_;
    TextStyle headerStyle_;
    TableRow header_;
    int page_ = 0;
    double y_ = 0;
};

}  // namespace

PrintedDocument LayOutOrderLetter(const OrderContent& content, const QDate& date,
                                  const CancelCheck& cancelled) {
    return LetterWriter(content, date).Write(cancelled);
}
