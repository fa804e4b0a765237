// The order dialog on its own: supplier names that do not fit their options.

#include <gtest/gtest.h>

#include <QApplication>
#include <QRadioButton>

#include "OrderDialog.h"
#include "TestApplication.h"

namespace {

class OrderDialogCaptions : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureApplication<QApplication>(); }
};

TEST_F(OrderDialogCaptions, SupplierNamesThatDoNotFitAreElidedWithTheFullNameAsToolTip) {
    OrderDialog order;
    const QString longName = "Elektronik-Kontor Weber KG, Versand und Abholung";
    order.SetSupplierNames({"Relais & Co", longName, "Lieferant 3"});
    auto* first = order.findChild<QRadioButton*>("supplierOption1");
    auto* second = order.findChild<QRadioButton*>("supplierOption2");
    auto* third = order.findChild<QRadioButton*>("supplierOption3");
    EXPECT_EQ(first->text(), "Relais && Co");  // the "&" shows, no mnemonic
    EXPECT_EQ(first->toolTip(), "");
    EXPECT_TRUE(second->text().endsWith(QChar(0x2026))) << second->text().toStdString();
    EXPECT_TRUE(longName.startsWith(second->text().chopped(1)));
    EXPECT_EQ(second->toolTip(), longName);
    EXPECT_EQ(third->text(), "Lieferant 3");
    EXPECT_EQ(second->geometry(), QRect(105, 35, 110, 15));

    // Set again with a short name: no tool tip left over.
    order.SetSupplierNames({"A", "B", "C"});
    EXPECT_EQ(second->text(), "B");
    EXPECT_EQ(second->toolTip(), "");
}

}  // namespace
