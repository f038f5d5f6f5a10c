#include "CampoData.h"

#include <QAction>
#include <QCalendarWidget>
#include <QDate>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

namespace janela {

namespace {

// A small calendar sheet: a red top band and a grid of days.
QIcon IconeCalendario() {
    QPixmap p(16, 16);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setPen(QColor(90, 90, 90));
    g.setBrush(Qt::white);
    g.drawRect(1, 2, 13, 12);
    g.fillRect(2, 3, 12, 3, QColor(200, 40, 40));
    g.setPen(QColor(120, 120, 120));
    for (int y = 8; y <= 12; y += 2)
        for (int x = 3; x <= 12; x += 3) g.drawPoint(x, y);
    return QIcon(p);
}

}  // namespace

TCampoData::TCampoData(QWidget* parent) : QLineEdit(parent) {
    // The mask keeps the separators; the blank character shows where digits go.
    setInputMask(QStringLiteral("99/99/9999;_"));
    QAction* botao = addAction(IconeCalendario(), QLineEdit::TrailingPosition);
    botao->setToolTip(QStringLiteral("Calendário"));
    connect(botao, &QAction::triggered, this, &TCampoData::AbreCalendario);

    calendario_ = new QCalendarWidget(this);
    calendario_->setWindowFlags(Qt::Popup);
    calendario_->setGridVisible(true);
    calendario_->setLocale(QLocale(QLocale::Portuguese, QLocale::Brazil));
    calendario_->hide();
    auto escolhe = [this](QDate d) {
        DefineData(util::Data::FromYMD(d.year(), static_cast<unsigned>(d.month()), static_cast<unsigned>(d.day())));
        calendario_->hide();
        setFocus(Qt::PopupFocusReason);
    };
    connect(calendario_, &QCalendarWidget::clicked, this, escolhe);
    connect(calendario_, &QCalendarWidget::activated, this, escolhe);
}

QString TCampoData::TextoDigitado() const {
    // With a mask, text() drops the blanks but keeps the separators.
    QString t = text();
    t.remove(QLatin1Char('/'));
    return t.trimmed().isEmpty() ? QString() : text();
}

util::Data TCampoData::Data() const {
    return util::Data::Parse(text().trimmed().toStdString()).value_or(util::Data());
}

void TCampoData::DefineData(util::Data d) {
    setText(d.Vazia() ? QString() : QString::fromStdString(d.Formata("dd/mm/yyyy")));
}

void TCampoData::AbreCalendario() {
    const util::Data atual = Data();
    const util::Data base = atual.Vazia() ? util::Data::Hoje() : atual;
    calendario_->setSelectedDate(QDate(base.Ano(), static_cast<int>(base.Mes()), static_cast<int>(base.Dia())));
    calendario_->adjustSize();
    QPoint pos = mapToGlobal(QPoint(0, height()));
    if (QScreen* tela = screen()) {
        const QRect area = tela->availableGeometry();
        if (pos.y() + calendario_->height() > area.bottom()) pos.setY(mapToGlobal(QPoint(0, 0)).y() - calendario_->height());
        if (pos.x() + calendario_->width() > area.right()) pos.setX(area.right() - calendario_->width());
    }
    calendario_->move(pos);
    calendario_->show();
    calendario_->setFocus(Qt::PopupFocusReason);
}

void TCampoData::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_F4 || (evento->key() == Qt::Key_Down && (evento->modifiers() & Qt::AltModifier))) {
        AbreCalendario();
        return;
    }
    QLineEdit::keyPressEvent(evento);
}

}  // namespace janela
