#pragma once

#include <QHash>
#include <QObject>

class QWidget;
class TDuctForm;

// What Enter does in each field of the window. Typing itself is never
// filtered; only Enter (Return or the keypad's Enter) runs a rule. Each rule
// is one handler named after the field that first used it.
class KeyRules : public QObject
{
    Q_OBJECT

public:
    enum class Rule {
        ZtaiEdit, // evaluate, write back, move on (opening ratios stored first)
        DSyrui,   // lists, radio buttons, check boxes: move on
        SFryo,    // evaluate, then the duct or pipe calculation
        Edit26,   // evaluate, then the outlet calculation
        PrEdit,   // pressure and altitude: jump to the second property
        EntEdit,  // second moist-air property: compute the state
        Edit1,    // unit conversion
    };

    explicit KeyRules(TDuctForm &form);

    void bind(QWidget *control, Rule rule);

    void Ztai_EditKeyPress(QWidget *sender);
    void D_SyruiKeyPress(QWidget *sender);
    void S_FryoKeyPress(QWidget *sender);
    void Edit26KeyPress(QWidget *sender);
    void PrEditKeyPress(QWidget *sender);
    void entEditKeyPress(QWidget *sender);
    void Edit1KeyPress(QWidget *sender);

    // Evaluates the field and moves on; on failure the warning box
    // "数値を確認してください。" and the focus stays.
    void EvaluateAndAdvance(QWidget *field);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void run(Rule rule, QWidget *sender);
    void bindAll();

    TDuctForm &form_;
    QHash<QObject *, Rule> rules_;
};
