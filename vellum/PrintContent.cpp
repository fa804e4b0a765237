#include "PrintContent.h"

#include <algorithm>
#include <memory>
#include <numeric>

#include "DataFiles.h"
#include "IniStore.h"
#include "Records.h"
#include "TextRules.h"
#include "WindowSettings.h"
#include "lists/CategoryTree.h"
#include "lists/PartList.h"
#include "lists/PartRows.h"
#include "lists/SortPartList.h"

namespace {

// The width stock and target get when the user's columns show neither: the
// stock column of a new installation.
constexpr int kAddedColumnWidth = 65;

bool Shows(const ColumnSet& columns, int field) {
    return std::any_of(columns.begin(), columns.end(),
                       [field](const ListColumn& column) { return column.content == field; });
}

// Blank fields and "k.A." (nothing stated) say nothing on paper.
bool SaysSomething(const std::string& text) {
    return !IsBlank(text) && !EqualsIgnoringCase(Trim(text), "k.A.");
}

void AddLine(std::vector<std::string>& block, const std::string& text) {
    if (SaysSomething(text)) {
        block.push_back(Trim(text));
    }
}

void AddLabelled(std::vector<std::string>& block, const std::string& label,
                 const std::string& text) {
    if (SaysSomething(text)) {
        block.push_back(label + Trim(text));
    }
}

// A private user types "Name, Vorname"; a letter is signed "Vorname Name".
std::string PersonName(const std::string& name, bool business) {
    const std::string trimmed = Trim(name);
    const std::size_t comma = trimmed.find(',');
    if (business || comma == std::string::npos ||
        trimmed.find(',', comma + 1) != std::string::npos) {
        return trimmed;
    }
    const std::string family = Trim(trimmed.substr(0, comma));
    const std::string given = Trim(trimmed.substr(comma + 1));
    if (family.empty() || given.empty()) {
        return trimmed;
    }
    return given + " " + family;
}

// Name, addition, street, town: the first four fields of "rech" and "lief".
template <std::size_t N>
std::vector<std::string> PostalLines(const std::array<std::string, N>& fields, bool business) {
    std::vector<std::string> lines;
    AddLine(lines, PersonName(fields[0], business));
    for (std::size_t i = 1; i < 4; ++i) {
        AddLine(lines, fields[i]);
    }
    return lines;
}

// Sender, contact and delivery address from "rech", "lief" and "LgleichR".
void ReadUserAddress(const IniDocument& main, OrderContent& content) {
    const bool deliveryIsInvoice = IntegerOfText(main.Value(kAddressGroup, "LgleichR")) == 1;
    if (const auto invoice = UserAddress::ParseInvoice(main.Value(kAddressGroup, "rech"))) {
        const std::array<std::string, 8>& fields = *invoice;
        content.business = IntegerOfText(fields[7]) != 0;
        content.sender = PostalLines(fields, content.business);
        AddLabelled(content.contact, "Telefon: ", fields[4]);
        AddLabelled(content.contact, "Mobil / Telefax: ", fields[5]);
        AddLabelled(content.contact, "E-Mail: ", fields[6]);
        if (SaysSomething(fields[0])) {
            content.signature = content.sender.front();
        }
        if (deliveryIsInvoice) {
            content.delivery = content.sender;
        }
    }
    if (!deliveryIsInvoice) {
        if (const auto delivery = UserAddress::ParseDelivery(main.Value(kAddressGroup, "lief"))) {
            content.delivery = PostalLines(*delivery, content.business);
        }
    }
}

}  // namespace

CategoryContent ReadCategoryContent(const std::string& folder, int category) {
    CategoryContent content;
    content.name = ReadIniValue(kCategoryGroup, CategoryNameKey(category), MainFilePath(folder));
    if (IsBlank(content.name)) {
        content.name = "Nr. " + std::to_string(category);
    }

    ColumnSet columns = ReadColumnDefinition(folder);
    for (int field : {kFieldStock, kFieldTarget}) {
        if (!Shows(columns, field)) {
            columns.push_back(MakeListColumn(field, kAddedColumnWidth, kAlignCentred));
        }
    }
    const double total =
        std::accumulate(columns.begin(), columns.end(), 0.0,
                        [](double sum, const ListColumn& column) { return sum + column.width; });
    for (const ListColumn& column : columns) {
        content.columns.push_back(
            {column.title, column.width / total, static_cast<ColumnAlignment>(column.alignment)});
    }

    std::vector<PartRow> rows = ReadPartRows(folder, category);
    // The list's own sort, by name only: ascending, letter case ignored.
    SortCategoryList(rows, {MakeListColumn(kFieldName, kAddedColumnWidth, kAlignLeft)}, SortState{},
                     -1);
    content.rows.reserve(rows.size());
    for (const PartRow& row : rows) {
        CategoryContent::Row printed;
        printed.cells.reserve(columns.size());
        for (const ListColumn& column : columns) {
            printed.cells.push_back(CategoryCellText(row, column.content));
        }
        printed.shortage = IsShortage(row);
        content.rows.push_back(std::move(printed));
    }
    content.countText = ListCountText(static_cast<int>(rows.size()), false);
    return content;
}

OrderContent ReadOrderContent(const std::string& folder, int supplier) {
    OrderContent content;
    const std::shared_ptr<const IniDocument> main = ReadIniFile(MainFilePath(folder));
    ReadUserAddress(*main, content);

    const int list = OrderListOfSupplier(supplier);
    if (const auto address =
            SupplierAddress::Parse(main->Value(kAddressGroup, "a" + std::to_string(list)))) {
        for (std::size_t field : {0u, 1u, 2u, 4u}) {
            AddLine(content.recipient, address->fields[field]);
        }
        if (SaysSomething(address->fields[3])) {
            content.customerNumber = Trim(address->fields[3]);
        }
    }
    content.supplierName = SupplierShortNames(folder)[static_cast<std::size_t>(supplier - 1)];

    // The order list as the main window first shows it: default sort, the
    // engine's row texts and its sum of the totals as shown.
    const PartListLoad load = FillPartList(folder, list, -1, ColumnSet{}, SortState{});
    for (const ShownRow& row : load.shown.rows) {
        if (row.itemData == kSumRowItemData) {
            content.sum = row.texts[kOrderColumnTotal];
        } else if (row.icon != RowIcon::HiddenPosition) {
            std::array<std::string, kOrderColumnCount> position;
            std::copy_n(row.texts.begin(), kOrderColumnCount, position.begin());
            content.positions.push_back(std::move(position));
        }
    }
    content.smallPrint = EqualsIgnoringCase(main->Value("ausgabe", "klein"), "JA");
    return content;
}
