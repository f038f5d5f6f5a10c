#pragma once
// A date field: a masked edit DD/MM/AAAA with a calendar button. It may hold an
// empty or an invalid text (as the user typed it); Data() then gives no date.
#include <QLineEdit>

#include "util/Data.h"

class QCalendarWidget;

namespace janela {

class TCampoData : public QLineEdit {
    Q_OBJECT
public:
    explicit TCampoData(QWidget* parent = nullptr);

    // The date shown, or no date when the text is empty or not a valid date.
    util::Data Data() const;
    // No date leaves the field blank.
    void DefineData(util::Data d);
    // The text without the mask's blanks: "" when nothing was typed.
    QString TextoDigitado() const;

    // The calendar below the field (the button, F4 or Alt+Down).
    void AbreCalendario();
    QCalendarWidget* Calendario() const { return calendario_; }

protected:
    void keyPressEvent(QKeyEvent* evento) override;

private:
    QCalendarWidget* calendario_ = nullptr;
};

}  // namespace janela
