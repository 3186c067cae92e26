// Every page's calculations as each page declares them: the fields a
// declaration names are fields of its page, and a run writes exactly the
// results that its record lists, whatever the options, the sizing basis or
// the field Enter was pressed in.
#include "support/FormFixture.h"

#include "app/ui/CalcPage.h"

#include <QComboBox>
#include <QRadioButton>
#include <QSet>

#include <functional>
#include <optional>

namespace {

using app::ui::CalcPage;
using app::ui::CalculationRecord;
using app::ui::FieldRole;

// The controls the pages share and name in their declarations.
const QStringList SharedNames{"TaniButton1", "TaniButton2", "ssButton1", "ssButton2"};

class CalculationDeclarationTest : public FormTest
{
protected:
    CalcPage *page(int index) const { return form_->pages().at(index); }

    void click(const char *name) { find<QAbstractButton>(name)->click(); }
    void pick(const char *name, int index)
    {
        auto *list = find<QComboBox>(name);
        list->setCurrentIndex(index);
        emit list->activated(index);
    }

    // What Enter in `name` does: the names of the fields whose text it
    // changes (the field itself, which Enter evaluates, aside) and the
    // records the pages make. Every other read-only field of the page is
    // first given a text no calculation writes, so that a result written
    // anew always changes.
    struct Effect
    {
        QStringList written;
        QList<CalculationRecord> records;
    };
    Effect enterIn(int pageIndex, const char *name)
    {
        QLineEdit *sender = form_->findChild<QLineEdit *>(QString::fromLatin1(name));
        for (QLineEdit *field : page(pageIndex)->findChildren<QLineEdit *>()) {
            if (field->isReadOnly() && field != sender)
                field->setText(QStringLiteral("#"));
        }
        Effect effect;
        QList<QMetaObject::Connection> connections;
        for (QLineEdit *field : form_->findChildren<QLineEdit *>()) {
            if (field == sender)
                continue;
            connections.append(QObject::connect(field, &QLineEdit::textChanged, [&, field] {
                if (!effect.written.contains(field->objectName()))
                    effect.written.append(field->objectName());
            }));
        }
        for (CalcPage *p : form_->pages()) {
            connections.append(
                QObject::connect(p, &CalcPage::calculated, [&effect](const CalculationRecord &r) {
                    effect.records.append(r);
                }));
        }
        pressEnter(name);
        for (const auto &c : connections)
            QObject::disconnect(c);
        effect.written.sort();
        return effect;
    }
};

QStringList NamesOf(const CalculationRecord &r, bool results)
{
    QStringList names;
    for (const app::ui::FieldValue &f : r.fields) {
        if ((f.role == FieldRole::Result) == results)
            names.append(f.name);
    }
    return names;
}

TEST_F(CalculationDeclarationTest, EveryDeclaredFieldIsAFieldOfItsPage)
{
    for (CalcPage *p : form_->pages()) {
        SCOPED_TRACE(p->caption().toStdString());
        QSet<QString> described(SharedNames.begin(), SharedNames.end());
        for (const app::ui::FieldValue &f : p->fields())
            described.insert(f.name);
        QSet<QString> entered;
        for (const app::ui::CalculationInfo &c : p->calculations()) {
            SCOPED_TRACE(c.title.toStdString());
            EXPECT_FALSE(c.writes.isEmpty());
            EXPECT_FALSE(c.enter.isEmpty());
            for (const QString &name : c.reads + c.writes + c.enter)
                EXPECT_TRUE(described.contains(name)) << name.toStdString();
            // Enter in a field runs one calculation.
            for (const QString &name : c.enter) {
                EXPECT_FALSE(entered.contains(name)) << name.toStdString();
                entered.insert(name);
            }
        }
    }
}

TEST_F(CalculationDeclarationTest, ARunWritesExactlyTheResultsItsRecordLists)
{
    const auto typing = [this](std::initializer_list<std::pair<const char *, const char *>> texts) {
        for (const auto &[name, text] : texts)
            type(name, QString::fromUtf8(text));
    };
    struct Case
    {
        QString name;
        int page;
        std::function<void()> setup;
        QByteArray enter;
        // The record's title, or none for a run that waits and records
        // nothing.
        std::optional<QString> title;
        // The names of the fields the record lists, where a case pins them.
        QStringList recorded = {};
    };
    QList<Case> cases{
        {"duct: rectangle, loss basis", TDuctForm::DuctPageIndex,
         [&] {
             typing({{"S_Fryo", "3600"}});
         },
         "S_Fryo", "ダクト寸法計算（圧損基準）"},
        {"duct: Enter in the unticked first side", TDuctForm::DuctPageIndex,
         [&] {
             typing({{"S_Fryo", "3600"}});
             pressEnter("S_Fryo");
         },
         "S_Size1", "ダクト寸法計算（圧損基準）"},
        {"duct: rectangle, velocity basis", TDuctForm::DuctPageIndex,
         [&] {
             click("ssButton2");
             typing({{"M_Ason", "5"}, {"S_Fryo", "3600"}});
         },
         "S_Fryo", "ダクト寸法計算（風速基準）"},
        {"duct: round", TDuctForm::DuctPageIndex,
         [&] {
             click("MaruButton");
             typing({{"S_Fryo", "3600"}});
         },
         "S_Fryo", "ダクト寸法計算（圧損基準）"},
        {"duct: a target no size meets warns", TDuctForm::DuctPageIndex,
         [&] {
             typing({{"M_Ason", "0"}, {"S_Fryo", "3600"}});
         },
         "S_Fryo", "ダクト寸法計算（圧損基準）"},
        // The fixed side is read once, in the page's order.
        {"duct: fixed side", TDuctForm::DuctPageIndex,
         [&] {
             click("CheckBox1");
             typing({{"S_Fryo", "3600"}, {"S_Size1", "300"}});
         },
         "S_Size1", "ダクト寸法計算（圧損基準）",
         QStringList{"TaniButton1", "Ztai_Edit", "Hijy_Edit", "D_Syrui", "KakuButton", "ssButton1",
                     "CheckBox1", "M_Ason", "S_Fryo", "S_Size1", "S_Size2", "S_SizeD", "S_Fusok",
                     "S_Ason"}},
        {"duct: the fixed side still to type", TDuctForm::DuctPageIndex,
         [&] {
             click("CheckBox1");
             typing({{"S_Fryo", "3600"}});
         },
         "S_Fryo", std::nullopt},
        {"duct: loss of a rectangle", TDuctForm::DuctPageIndex,
         [&] {
             typing({{"P_Fryo", "3600"}, {"P_Size1", "500"}, {"P_Size2", "400"}});
         },
         "P_Size2", "ダクト圧力損失計算"},
        {"duct: loss of a round duct", TDuctForm::DuctPageIndex,
         [&] {
             click("MaruButton");
             typing({{"P_Fryo", "3600"}, {"P_SizeD", "500"}});
         },
         "P_SizeD", "ダクト圧力損失計算"},
        {"duct: the rectangle's equivalent diameter as round", TDuctForm::DuctPageIndex,
         [&] {
             typing({{"P_Fryo", "3600"}, {"P_Size1", "500"}, {"P_Size2", "400"}});
             pressEnter("P_Size2");
         },
         "P_SizeD", "ダクト圧力損失計算"},
        {"outlet: rectangle", TDuctForm::OutletPageIndex,
         [&] {
             typing({{"Edit19", "500"}, {"Edit26", "2"}});
         },
         "Edit26", "吹出・吸込口寸法計算"},
        {"outlet: round", TDuctForm::OutletPageIndex,
         [&] {
             click("RadioButton2");
             typing({{"Edit19", "500"}, {"Edit26", "2"}});
         },
         "Edit26", "吹出・吸込口寸法計算"},
        {"outlet: fixed side", TDuctForm::OutletPageIndex,
         [&] {
             click("CheckBox2");
             typing({{"Edit19", "500"}, {"Edit26", "2"}, {"Edit23", "200"}});
         },
         "Edit23", "吹出・吸込口寸法計算",
         QStringList{"ComboBox1", "RadioButton1", "CheckBox2", "Edit19", "Edit20", "Edit26",
                     "Edit23", "Edit24", "Edit25", "Edit21"}},
        {"outlet: the fixed side still to type", TDuctForm::OutletPageIndex,
         [&] {
             click("CheckBox2");
             typing({{"Edit19", "500"}, {"Edit26", "2"}});
         },
         "Edit26", std::nullopt},
        {"outlet: check of a rectangle", TDuctForm::OutletPageIndex,
         [&] {
             typing({{"Edit17", "500"}, {"Edit28", "300"}, {"Edit29", "300"}});
         },
         "Edit29", "吹出・吸込口寸法確認"},
        {"outlet: check of a round outlet", TDuctForm::OutletPageIndex,
         [&] {
             click("RadioButton2");
             typing({{"Edit17", "500"}, {"Edit30", "300"}});
         },
         "Edit30", "吹出・吸込口寸法確認"},
        {"outlet: the rectangle's equivalent diameter as round", TDuctForm::OutletPageIndex,
         [&] {
             typing({{"Edit17", "500"}, {"Edit28", "300"}, {"Edit29", "300"}});
             pressEnter("Edit29");
         },
         "Edit30", "吹出・吸込口寸法確認"},
        {"pipe: loss basis", TDuctForm::PipePageIndex,
         [&] {
             typing({{"M_AsonP", "30"}, {"S_Ryo", "100"}});
         },
         "S_Ryo", "配管寸法計算（圧損基準）"},
        {"pipe: velocity basis, SI units", TDuctForm::PipePageIndex,
         [&] {
             click("ssButton2");
             click("TaniButton2");
             typing({{"M_AsonP", "1"}, {"S_Ryo", "100"}});
         },
         "S_Ryo", "配管寸法計算（流速基準）"},
        {"pipe: loss of a size", TDuctForm::PipePageIndex,
         [&] {
             typing({{"P_Ryo", "100"}});
             find<QComboBox>("P_Size")->setCurrentIndex(5);
         },
         "P_Size", "配管圧力損失計算"},
        {"air: given pressure", TDuctForm::AirPageIndex,
         [&] {
             click("PrGroupItem1");
             typing({{"PrEdit", "700"}});
         },
         "entEdit", "空気の状態値計算"},
        {"air: altitude", TDuctForm::AirPageIndex,
         [&] {
             click("PrGroupItem2");
             typing({{"WhEdit", "500"}});
         },
         "entEdit", "空気の状態値計算"},
    };
    // Each second property of the moist-air page, at the standard pressure.
    const char *const given[] = {"20", "50", "0.01", "15", "15"};
    for (int property = 0; property < 5; ++property) {
        cases.append({QStringLiteral("air: second property %1").arg(property),
                      TDuctForm::AirPageIndex,
                      [&, property] {
                          pick("SelectBox", property);
                          typing({{"entEdit", given[property]}});
                      },
                      "entEdit", "空気の状態値計算"});
    }
    // Both directions of every row of the unit conversion.
    for (const app::ui::CalculationInfo &c : page(TDuctForm::UnitsPageIndex)->calculations()) {
        for (const QString &field : c.enter) {
            const QByteArray name = field.toLatin1();
            cases.append({field, TDuctForm::UnitsPageIndex,
                          [&, name] {
                              typing({{name.constData(), "1"}});
                          },
                          name, QStringLiteral("単位変換（%1）").arg(c.title)});
        }
    }

    QSet<QString> enteredEverywhere;
    for (CalcPage *p : form_->pages()) {
        for (const app::ui::CalculationInfo &c : p->calculations()) {
            for (const QString &name : c.enter)
                enteredEverywhere.insert(name);
        }
    }
    QSet<QString> entered;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        form_.reset();
        openForm();
        showPage(c.page);
        c.setup();
        const Effect effect = enterIn(c.page, c.enter.constData());
        boxes_.take(); // the warning of a target no size meets
        entered.insert(QString::fromLatin1(c.enter));
        if (!c.title) {
            EXPECT_TRUE(effect.records.isEmpty());
            EXPECT_TRUE(effect.written.isEmpty()) << effect.written.join(' ').toStdString();
            continue;
        }
        if (effect.records.size() != 1) {
            ADD_FAILURE() << effect.records.size() << " records";
            continue;
        }
        const CalculationRecord &r = effect.records.first();
        EXPECT_EQ(r.calculation, *c.title);
        // A result that Enter was pressed in is evaluated before it is
        // written: its change is Enter's as much as the run's.
        QStringList results = NamesOf(r, true);
        results.removeAll(QString::fromLatin1(c.enter));
        results.sort();
        EXPECT_EQ(effect.written.join(' ').toStdString(), results.join(' ').toStdString());
        // Nothing is written that the record reads.
        for (const QString &name : NamesOf(r, false))
            EXPECT_FALSE(results.contains(name)) << name.toStdString();
        if (!c.recorded.isEmpty()) {
            EXPECT_EQ(NamesOf(r, false) + NamesOf(r, true), c.recorded);
        }
    }
    EXPECT_EQ(entered, enteredEverywhere) << "every field that runs a calculation, pressed";
}

} // namespace
