// What the window and its feature windows read from every page: the
// description of its fields (name, caption, unit in both unit systems, role)
// and the record of each calculation that completes, made by the page's own
// Enter rules.
#include "support/FormFixture.h"

#include "app/ui/CalcPage.h"

#include <QComboBox>
#include <QRadioButton>
#include <QStringList>

namespace {

using app::ui::CalculationRecord;
using app::ui::FieldRole;
using app::ui::FieldValue;

class PageInterfaceTest : public FormTest
{
protected:
    app::ui::CalcPage *page(int index) const { return form_->pages().at(index); }

    // "name caption [unit] role", one per field, in the page's order.
    static QStringList describeAll(const QList<FieldValue> &fields)
    {
        QStringList lines;
        for (const FieldValue &f : fields) {
            const char *role = f.role == FieldRole::Input    ? "in"
                               : f.role == FieldRole::Option ? "option"
                                                             : "out";
            lines.append(QStringLiteral("%1 %2 [%3] %4")
                             .arg(f.name, f.caption, f.unit, QString::fromLatin1(role)));
        }
        return lines;
    }

    // "caption=text unit", one per field of a record.
    static QStringList valuesOf(const CalculationRecord &r)
    {
        QStringList lines;
        for (const FieldValue &f : r.fields)
            lines.append(
                (f.caption + QLatin1Char('=') + f.text + QLatin1Char(' ') + f.unit).trimmed());
        return lines;
    }

    void useSiUnits() { find<QRadioButton>("TaniButton2")->setChecked(true); }

    // The records the pages make while `action` runs.
    template <typename Action> QList<CalculationRecord> recordsOf(Action action)
    {
        QList<CalculationRecord> records;
        QList<QMetaObject::Connection> connections;
        for (app::ui::CalcPage *p : form_->pages())
            connections.append(
                QObject::connect(p, &app::ui::CalcPage::calculated,
                                 [&records](const CalculationRecord &r) { records.append(r); }));
        action();
        for (const auto &c : connections)
            QObject::disconnect(c);
        return records;
    }
};

QStringList Lines(std::initializer_list<const char *> lines)
{
    QStringList list;
    for (const char *line : lines)
        list.append(QString::fromUtf8(line));
    return list;
}

TEST_F(PageInterfaceTest, EveryFieldOfEveryPageIsDescribedInBothUnitSystems)
{
    const struct
    {
        int page;
        QStringList conventional;
        QStringList si; // the lines that change in SI units
    } cases[] = {
        {TDuctForm::DuctPageIndex,
         Lines({"TaniButton1 単位系 [] option",   "Ztai_Edit 絶対粗度 [mm] in",
                "Hijy_Edit 流体比重 [kg/m3] in",  "D_Syrui 管材の種類 [] option",
                "KakuButton 形状 [] option",      "ssButton1 計算基準 [] option",
                "CheckBox1 サイズ固定 [] option", "M_Ason 目標圧損 [mmAq/m] in",
                "S_Fryo 風量 [m3/h] in",          "S_Size1 一辺 [mm] out",
                "S_Size2 他辺 [mm] out",          "S_SizeD 相当径 [mm] out",
                "S_Fusok 風速 [m/s] out",         "S_Ason 圧力損失 [mmAq/m] out",
                "P_Fryo 風量 [m3/h] in",          "P_Size1 一辺 [mm] in",
                "P_Size2 他辺 [mm] in",           "P_SizeD 相当径 [mm] out",
                "P_Fusok 風速 [m/s] out",         "P_Ason 圧力損失 [mmAq/m] out"}),
         Lines({"M_Ason 目標圧損 [Pa/m] in", "S_Ason 圧力損失 [Pa/m] out",
                "P_Ason 圧力損失 [Pa/m] out"})},
        {TDuctForm::OutletPageIndex,
         Lines({"ComboBox1 吹出・吸込口の種類 [] option", "RadioButton1 形状 [] option",
                "CheckBox2 サイズ固定 [] option", "Edit19 風量 [m3/h] in", "Edit20 開口率 [％] in",
                "Edit26 面風速 [m/s] in", "Edit23 一辺 [mm] out", "Edit24 他辺 [mm] out",
                "Edit25 相当径 [mm] out", "Edit21 面風速 [m/s] out", "Edit17 風量 [m3/h] in",
                "Edit18 開口率 [％] in", "Edit28 一辺 [mm] in", "Edit29 他辺 [mm] in",
                "Edit30 相当径 [mm] out", "Edit32 面風速 [m/s] out"}),
         {}},
        {TDuctForm::PipePageIndex,
         Lines({"TaniButton1 単位系 [] option", "Z_Edit 絶対粗度 [mm] in",
                "H_Edit 流体比重 [kg/m3] in", "Syrui 管材の種類 [] option",
                "Ond 流体温度（水） [] option", "ssButton1 計算基準 [] option",
                "M_AsonP 目標圧損 [mmAq/m] in", "S_Ryo 流量 [L/min] in", "S_Size 配管サイズ [] out",
                "S_Speed 流速 [m/s] out", "S_AsonP 摩擦抵抗損失 [mmAq/m] out",
                "P_Ryo 流量 [L/min] in", "P_Size 配管サイズ [] option", "P_Speed 流速 [m/s] out",
                "P_AsonP 摩擦抵抗損失 [mmAq/m] out"}),
         Lines({"M_AsonP 目標圧損 [Pa/m] in", "S_AsonP 摩擦抵抗損失 [Pa/m] out",
                "P_AsonP 摩擦抵抗損失 [Pa/m] out"})},
        {TDuctForm::AirPageIndex,
         Lines({"TaniButton1 単位系 [] option", "D_TempEdit 乾球温度 [℃] in",
                "SelectBox 指定する状態値 [] option", "entEdit 湿球温度 [℃] in",
                "PrGroup 気圧 [] option", "PrEdit 大気圧 [mmHg] in", "WhEdit 海抜 [m] in",
                "cEdit7 乾球温度 [℃] out", "cEdit8 湿球温度 [℃] out", "cEdit1 相対湿度 [％] out",
                "cEdit2 絶対湿度 [kg/kg] out", "cEdit3 露点温度 [℃] out",
                "cEdit4 比エンタルピ [kcal/kg] out", "cEdit5 比容積 [m3/kg] out",
                "cEdit6 大気圧 [mmHg] out"}),
         Lines({"PrEdit 大気圧 [kPa] in", "cEdit4 比エンタルピ [kJ/kg] out",
                "cEdit6 大気圧 [kPa] out"})},
        {TDuctForm::UnitsPageIndex,
         Lines({"Edit1 圧力 [mmHg] in", "Edit2 圧力 [kPa] in", "Edit3 圧力 [mAq] in",
                "Edit4 圧力 [kPa] in", "Edit5 エネルギー [kcal] in", "Edit6 エネルギー [kJ] in",
                "Edit7 仕事率 [ｋｃａｌ/ｈ] in", "Edit8 仕事率 [kW] in", "Edit9 力 [ｋｇｆ] in",
                "Edit10 力 [N] in", "Edit13 熱伝導率 [kcal/mh℃] in", "Edit14 熱伝導率 [W/(mK)] in",
                "Edit11 比熱 [ｋｃａｌ/kgf℃] in", "Edit12 比熱 [kJ/(kgk)] in",
                "Edit15 熱伝達率,熱通過率 [ｋｃａｌ/m2h℃] in",
                "Edit16 熱伝達率,熱通過率 [W/(m2K)] in"}),
         {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(page(c.page)->caption().toStdString());
        EXPECT_EQ(describeAll(page(c.page)->fields()), c.conventional);
    }
    useSiUnits();
    for (const auto &c : cases) {
        SCOPED_TRACE(page(c.page)->caption().toStdString());
        QStringList expected = c.conventional;
        for (const QString &line : c.si) {
            const QString name = line.section(QLatin1Char(' '), 0, 0);
            for (QString &e : expected) {
                if (e.section(QLatin1Char(' '), 0, 0) == name)
                    e = line;
            }
        }
        EXPECT_EQ(describeAll(page(c.page)->fields()), expected);
    }
}

TEST_F(PageInterfaceTest, EachCalculationThroughItsEnterRuleIsRecorded)
{
    // Expected texts: the worked examples of each page (3600 m³/h of standard
    // air in galvanised duct; 500 m³/h through a VHS outlet; 100 L/min of
    // water at 20 ℃ in rusty steel; 30 ℃ dry bulb, 20 ℃ wet bulb).
    const struct
    {
        const char *name;
        int page;
        std::function<void()> act;
        const char *calculation;
        QStringList values;
    } cases[] = {
        {"duct sizing", TDuctForm::DuctPageIndex,
         [this] {
             type("S_Fryo", QStringLiteral("3600"));
             pressEnter("S_Fryo");
         },
         "ダクト寸法計算（圧損基準）",
         Lines({"単位系=在来単位", "絶対粗度=0.180 mm", "流体比重=1.200 kg/m3",
                "管材の種類=亜鉛鉄板（板状で縦方向に継目）", "形状=矩形ダクト", "計算基準=圧損基準",
                "サイズ固定=なし", "目標圧損=0.100 mmAq/m", "風量=3600 m3/h", "一辺=450 mm",
                "他辺=450 mm", "相当径=491.924402923423 mm", "風速=4.938 m/s",
                "圧力損失=0.064 mmAq/m"})},
        {"duct loss of a round duct", TDuctForm::DuctPageIndex,
         [this] {
             find<QRadioButton>("MaruButton")->setChecked(true);
             type("P_Fryo", QStringLiteral("3600"));
             type("P_SizeD", QStringLiteral("500"));
             pressEnter("P_SizeD");
         },
         "ダクト圧力損失計算",
         Lines({"単位系=在来単位", "絶対粗度=0.180 mm", "流体比重=1.200 kg/m3",
                "管材の種類=亜鉛鉄板（板状で縦方向に継目）", "形状=円形ダクト", "風量=3600 m3/h",
                "直径=500 mm", "風速=5.093 m/s", "圧力損失=0.059 mmAq/m"})},
        {"outlet sizing", TDuctForm::OutletPageIndex,
         [this] {
             type("Edit19", QStringLiteral("500"));
             type("Edit26", QStringLiteral("2"));
             pressEnter("Edit26");
         },
         "吹出・吸込口寸法計算",
         Lines({"吹出・吸込口の種類=VHS", "形状=矩形", "サイズ固定=なし", "風量=500 m3/h",
                "開口率=75 ％", "面風速=2 m/s", "一辺=350 mm", "他辺=350 mm", "相当径=382.608 mm",
                "面風速=1.512 m/s"})},
        {"pipe loss", TDuctForm::PipePageIndex,
         [this] {
             type("P_Ryo", QStringLiteral("100"));
             find<QComboBox>("P_Size")->setCurrentIndex(5); // "40"
             pressEnter("P_Size");
         },
         "配管圧力損失計算",
         Lines({"単位系=在来単位", "絶対粗度=0.300 mm", "流体比重=998.200 kg/m3",
                "管材の種類=錆びた鋼管", "流体温度（水）=20 ℃", "流量=100 L/min", "配管サイズ=40",
                "流速=1.226 m/s", "摩擦抵抗損失=65.525 mmAq/m"})},
        {"moist air", TDuctForm::AirPageIndex, [this] { pressEnter("entEdit"); },
         "空気の状態値計算",
         Lines({"単位系=在来単位", "乾球温度=30 ℃", "指定する状態値=湿球温度", "湿球温度=20 ℃",
                "気圧=標準大気圧", "乾球温度=30.000 ℃", "湿球温度=20.000 ℃", "相対湿度=39.754 ％",
                "絶対湿度=0.011 kg/kg", "露点温度=14.844 ℃", "比エンタルピ=13.661 kcal/kg",
                "比容積=0.874 m3/kg", "大気圧=760.000 mmHg"})},
        {"unit conversion", TDuctForm::UnitsPageIndex,
         [this] {
             type("Edit1", QStringLiteral("760"));
             pressEnter("Edit1");
         },
         "単位変換（圧力）", Lines({"圧力=760 mmHg", "圧力=101.3250240 kPa"})},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        showPage(c.page);
        const QList<CalculationRecord> records = recordsOf(c.act);
        ASSERT_EQ(records.size(), 1);
        EXPECT_EQ(records[0].page, page(c.page)->caption());
        EXPECT_EQ(records[0].calculation, QString::fromUtf8(c.calculation));
        EXPECT_EQ(valuesOf(records[0]), c.values);
        EXPECT_TRUE(records[0].warning.isEmpty());
    }
}

TEST_F(PageInterfaceTest, AFailureRecordsNothingAndAWarningIsKept)
{
    showPage(TDuctForm::DuctPageIndex);
    const auto failed = recordsOf([this] {
        type("S_Fryo", QStringLiteral("1/0"));
        pressEnter("S_Fryo");
    });
    EXPECT_TRUE(failed.isEmpty());
    boxes_.take();

    // A target of 0 is never met: the search warns at the size limit and
    // still writes the last size tried.
    const auto warned = recordsOf([this] {
        type("M_Ason", QStringLiteral("0"));
        type("S_Fryo", QStringLiteral("3600"));
        pressEnter("S_Fryo");
    });
    boxes_.take();
    ASSERT_EQ(warned.size(), 1);
    EXPECT_EQ(warned[0].warning, QStringLiteral("数値を確認して下さい。"));
    EXPECT_TRUE(valuesOf(warned[0]).contains(QStringLiteral("一辺=9150 mm")));
}

} // namespace
