#include "SampleRecords.h"

namespace samples {

using app::ui::CalculationRecord;
using app::ui::FieldRole;

namespace {

QDateTime at(int minute, int second)
{
    return QDateTime(QDate(2025, 6, 2), QTime(9, 0).addSecs(minute * 60 + second));
}

} // namespace

app::ui::FieldValue Field(const char *name, const char *caption, const char *text, const char *unit,
                          FieldRole role)
{
    app::ui::FieldValue f;
    f.name = QString::fromUtf8(name);
    f.caption = QString::fromUtf8(caption);
    f.text = QString::fromUtf8(text);
    f.unit = QString::fromUtf8(unit);
    f.role = role;
    return f;
}

CalculationRecord Duct(int i)
{
    CalculationRecord r;
    r.time = at(i, 0);
    r.page = QStringLiteral("ダクト計算");
    r.calculation = QStringLiteral("ダクト寸法計算（圧損基準）");
    r.fields = {
        {"S_Fryo", "風量", QString::number(3600 + 100 * i), "m3/h", FieldRole::Input},
        {"S_Atsu", "単位圧損", "1", "Pa/m", FieldRole::Input},
        {"ComboBox1", "材質", "亜鉛鉄板（板状で縦方向に継目）", "", FieldRole::Option},
        {"S_Width", "ダクト幅", "650", "mm", FieldRole::Result},
        {"S_Height", "ダクト高さ", "300", "mm", FieldRole::Result},
        {"S_Speed", "風速", "5.128", "m/s", FieldRole::Result},
    };
    return r;
}

CalculationRecord Pipe(int i)
{
    CalculationRecord r;
    r.time = at(i, 10);
    r.page = QStringLiteral("配管計算");
    r.calculation = QStringLiteral("配管圧損計算");
    r.fields = {
        {"P_Flow", "流量", QString::number(20 + i), "L/min", FieldRole::Input},
        {"P_Mat", "管材の種類", "錆びた鋼管", "", FieldRole::Option},
        {"P_Speed", "流速", "0.85", "m/s", FieldRole::Result},
        {"P_Loss", "単位圧損", "312.5", "Pa/m", FieldRole::Result},
    };
    r.warning = i % 2 ? QStringLiteral("流速が 2 m/s を超えています。") : QString();
    return r;
}

CalculationRecord Air(int i)
{
    CalculationRecord r;
    r.time = at(i, 20);
    r.page = QStringLiteral("湿り空気");
    r.calculation = QStringLiteral("湿り空気の状態");
    r.fields = {
        {"A_Dry", "乾球温度", QString::number(20 + i % 10), "℃", FieldRole::Input},
        {"A_Wet", "湿球温度", "19.5", "℃", FieldRole::Input},
        {"A_RH", "相対湿度", "54.6", "%", FieldRole::Result},
        {"A_X", "絶対湿度", "0.01147", "kg/kg(DA)", FieldRole::Result},
    };
    return r;
}

CalculationRecord Mixed(int i)
{
    switch (i % 3) {
    case 0:
        return Duct(i);
    case 1:
        return Pipe(i);
    }
    return Air(i);
}

bool SameRecord(const CalculationRecord &a, const CalculationRecord &b)
{
    if (a.time != b.time || a.time.offsetFromUtc() != b.time.offsetFromUtc() || a.page != b.page ||
        a.calculation != b.calculation || a.warning != b.warning || a.note != b.note ||
        a.document != b.document || a.fields.size() != b.fields.size())
        return false;
    for (qsizetype i = 0; i < a.fields.size(); ++i) {
        const auto &x = a.fields[i];
        const auto &y = b.fields[i];
        if (x.name != y.name || x.caption != y.caption || x.text != y.text || x.unit != y.unit ||
            x.role != y.role || x.stale != y.stale || x.value != y.value)
            return false;
    }
    return true;
}

} // namespace samples
