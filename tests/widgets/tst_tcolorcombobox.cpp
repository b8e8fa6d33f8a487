// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include <QSignalSpy>
#include <QTest>

#include "fakeplatform.h"
#include "tcolorcombobox.h"

using namespace solvane;

class TestColorComboBox : public QObject {
    Q_OBJECT

private slots:
    void init() { box_ = std::make_unique<TColorComboBox>(); }
    void cleanup() { box_.reset(); }

    void listsTheSixteenColoursInOrder() {
        const QVector<QPair<QString, TColor>> expected{
            {"Black", 0},         {"Maroon", 128},       {"Green", 32768},   {"Olive", 32896},
            {"Navy", 8388608},    {"Purple", 8388736},   {"Teal", 8421376},  {"Gray", 8421504},
            {"Silver", 12632256}, {"Red", 255},          {"Lime", 65280},    {"Yellow", 65535},
            {"Blue", 16711680},   {"Fuchsia", 16711935}, {"Aqua", 16776960}, {"White", 16777215}};
        QCOMPARE(box_->count(), expected.size());
        for (int i = 0; i < box_->count(); ++i) {
            QCOMPARE(box_->itemText(i), expected[i].first);
            QCOMPARE(box_->itemData(i).toInt(), expected[i].second);
        }
    }

    void swatchShowsTheColour() {
        const int navy = box_->findText(QStringLiteral("Navy"));
        const QImage swatch = box_->itemIcon(navy).pixmap(box_->iconSize()).toImage();
        QCOMPARE(swatch.pixelColor(swatch.width() / 2, swatch.height() / 2), QColor(0, 0, 128));
    }

    // Each row: the value held before, the value written, the item then selected and
    // whether OnChange is raised (exactly once).
    void writingColorValue_data() {
        QTest::addColumn<TColor>("before");
        QTest::addColumn<TColor>("written");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<int>("changes");
        QTest::addRow("listed colour, new") << cl::Black << cl::Navy << "Navy" << 1;
        QTest::addRow("listed colour, same") << cl::Navy << cl::Navy << "Navy" << 0;
        QTest::addRow("unlisted colour") << cl::Navy << TColor(0x123456) << "" << 1;
        QTest::addRow("unlisted colour written again")
            << TColor(0x123456) << TColor(0x123456) << "" << 1;
        QTest::addRow("listed after unlisted") << TColor(0x123456) << cl::White << "White" << 1;
        QTest::addRow("system colour") << cl::Black << TColor(-16777201) << "" << 1;
    }
    void writingColorValue() {
        QFETCH(TColor, before);
        QFETCH(TColor, written);
        QFETCH(QString, selected);
        QFETCH(int, changes);
        box_->setColorValue(before);
        QSignalSpy spy(box_.get(), &TColorComboBox::OnChange);
        box_->setColorValue(written);
        QCOMPARE(box_->ColorValue(), written);
        QCOMPARE(box_->currentText(), selected);
        QCOMPARE(box_->currentIndex() < 0, selected.isEmpty());
        QCOMPARE(spy.count(), changes);
    }

    void userPickRaisesOnChange() {
        box_->setColorValue(cl::Navy);
        TColor seen = -1;
        connect(box_.get(), &TColorComboBox::OnChange, this, [&] { seen = box_->ColorValue(); });
        box_->show();
        QVERIFY(QTest::qWaitForWindowExposed(box_.get()));
        box_->setFocus();
        QTest::keyClick(box_.get(), Qt::Key_Down);  // the item after Navy: Purple
        QCOMPARE(seen, cl::Purple);
        QCOMPARE(box_->ColorValue(), cl::Purple);
    }

private:
    std::unique_ptr<TColorComboBox> box_;
};

QTEST_MAIN(TestColorComboBox)
#include "tst_tcolorcombobox.moc"
