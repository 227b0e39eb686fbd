// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/language_row.h"

#include "windows/form_style.h"
#include "windows/language_drop_delegate.h"
#include "windows/pane_symbol.h"

#include <QApplication>
#include <QCheckBox>
#include <QDrag>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace quorvane {

namespace {

// The priority badge: a small tinted lozenge.
class Badge : public QLabel {
public:
    explicit Badge(QWidget *parent) : QLabel(parent) {}

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(FormStyle::withOpacity(FormStyle::accentColor(palette()), 0.2));
        p.drawRoundedRect(rect(), 4, 4);
        p.end();
        QLabel::paintEvent(event);
    }
};

} // namespace

LanguageRow::LanguageRow(OCRLanguage language, QWidget *parent) : QWidget(parent), m_language(std::move(language))
{
    setAcceptDrops(true);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(12, 6, 12, 6);
    row->setSpacing(12);

    m_checkBox = new QCheckBox(this);
    m_checkBox->setAccessibleName(m_language.displayName);
    connect(m_checkBox, &QCheckBox::clicked, this, &LanguageRow::chosenToggled);
    row->addWidget(m_checkBox, 0, Qt::AlignVCenter);

    auto *names = new QVBoxLayout;
    names->setSpacing(2);
    names->addWidget(FormStyle::makeLabel(m_language.displayName, FormStyle::Text::body, this));
    if (m_language.nativeName && *m_language.nativeName != m_language.displayName) {
        m_nativeName = FormStyle::makeLabel(*m_language.nativeName, FormStyle::Text::caption, this);
        FormStyle::makeSecondary(m_nativeName);
        names->addWidget(m_nativeName);
    }
    row->addLayout(names, 1);

    m_badge = new Badge(this);
    QFont badgeFont = FormStyle::font(font(), FormStyle::Text::caption);
    badgeFont.setStyleHint(QFont::Monospace);
    badgeFont.setFamily(QStringLiteral("monospace"));
    m_badge->setFont(badgeFont);
    m_badge->setContentsMargins(6, 2, 6, 2);
    FormStyle::makeSecondary(m_badge);
    row->addWidget(m_badge, 0, Qt::AlignVCenter);

    m_handle = new QLabel(this);
    const int handleSize = QFontMetrics(FormStyle::font(font(), FormStyle::Text::caption)).height();
    m_handle->setPixmap(paneSymbolPixmap(PaneSymbol::line3Horizontal, FormStyle::secondaryColor(palette()), handleSize,
                                           devicePixelRatioF()));
    row->addWidget(m_handle, 0, Qt::AlignVCenter);

    setPriority(std::nullopt);
}

QString LanguageRow::badgeText(int priority)
{
    //: Badge with the priority number of a recognition language
    //% "#%1"
    return qtTrId("preferences.languages.priority_badge").arg(priority);
}

bool LanguageRow::showsNativeName() const
{
    return m_nativeName != nullptr;
}

void LanguageRow::setPriority(std::optional<int> priority)
{
    m_priority = priority;
    m_checkBox->setChecked(priority.has_value());
    m_badge->setVisible(priority.has_value());
    m_handle->setVisible(priority.has_value());
    if (priority)
        m_badge->setText(badgeText(*priority));
    update();
}

void LanguageRow::paintEvent(QPaintEvent *)
{
    if (!m_priority)
        return;
    QPainter p(this);
    p.fillRect(rect(), FormStyle::withOpacity(FormStyle::accentColor(palette()), 0.1));
}

void LanguageRow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_pressPosition = event->position().toPoint();
    event->accept();
}

void LanguageRow::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_pressPosition || !(event->buttons() & Qt::LeftButton))
        return;
    if ((event->position().toPoint() - *m_pressPosition).manhattanLength() < QApplication::startDragDistance())
        return;
    m_pressPosition.reset();

    auto *data = new QMimeData;
    data->setData(QString::fromLatin1(LanguageDropDelegate::payloadType), m_language.id.toUtf8());
    auto *drag = new QDrag(this);
    drag->setMimeData(data);
    drag->setPixmap(grab());
    drag->setHotSpot(event->position().toPoint());
    drag->exec(Qt::MoveAction);
}

void LanguageRow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!event->mimeData()->hasFormat(QString::fromLatin1(LanguageDropDelegate::payloadType)))
        return;
    event->acceptProposedAction();
    if (onDragEntered)
        onDragEntered(*event->mimeData());
}

void LanguageRow::dragMoveEvent(QDragMoveEvent *event)
{
    event->acceptProposedAction();
}

void LanguageRow::dropEvent(QDropEvent *event)
{
    event->acceptProposedAction();
}

} // namespace quorvane
