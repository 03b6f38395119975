#include "app/InfoPanelWidget.h"

#include "ui/TaskPanel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

namespace korvel::app {

namespace {
QLabel* label(QWidget* parent, const char* name, const QString& text = {})
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

QString justified(const QString& text)
{
    return QStringLiteral("<div align=\"justify\">") + text.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"))
           + QStringLiteral("</div>");
}

// A neutral picture for "no cover" (the placeholder and the default cover).
QPixmap neutralCover(const QString& caption)
{
    QPixmap pm(InfoPanel::kCoverWidth, InfoPanel::kCoverHeight);
    pm.fill(QColor(236, 239, 246));
    QPainter p(&pm);
    p.setPen(QColor(160, 170, 190));
    p.drawRect(pm.rect().adjusted(0, 0, -1, -1));
    p.drawEllipse(QPoint(108, 62), 34, 34);
    p.drawEllipse(QPoint(108, 62), 6, 6);
    p.drawText(QRect(0, 110, pm.width(), 24), Qt::AlignCenter, caption);
    return pm;
}
} // namespace

InfoPanelWidget::InfoPanelWidget(ui::TaskBox* box) : QWidget(box)
{
    setObjectName(QStringLiteral("InfoPanel"));
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(8, 4, 8, 4);
    v->setSpacing(3);

    m_loanBox = new QWidget(this);
    m_loanBox->setObjectName(QStringLiteral("XPTask4"));
    auto* lv = new QVBoxLayout(m_loanBox);
    lv->setContentsMargins(0, 0, 0, 0);
    auto* titleRow = new QHBoxLayout;
    m_badge = label(m_loanBox, "dvd_verliehen", QStringLiteral("[ *** DVD verliehen *** ]"));
    m_badge->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    m_badge->setCursor(Qt::PointingHandCursor);
    m_fold = new QToolButton(m_loanBox);
    m_fold->setObjectName(QStringLiteral("XPTask4Fold"));
    m_fold->setText(QStringLiteral("▾"));
    titleRow->addWidget(m_badge, 1);
    titleRow->addWidget(m_fold);
    lv->addLayout(titleRow);
    m_loanBody = new QWidget(m_loanBox);
    auto* bv = new QVBoxLayout(m_loanBody);
    bv->setContentsMargins(4, 0, 4, 4);
    bv->addWidget(label(m_loanBody, "XPSectionLabel6", QStringLiteral("<b>Infos</b>")));
    m_loanDate = label(m_loanBody, "label_datum");
    m_loanDate->setAlignment(Qt::AlignRight);
    m_loanDate->setStyleSheet(QStringLiteral("font-weight: bold; font-style: italic;"));
    m_borrower = label(m_loanBody, "label_verliehen_an");
    m_remark = label(m_loanBody, "label_kommentar");
    for (QLabel* l : {m_borrower, m_remark}) {
        l->setWordWrap(true);
        l->setFixedWidth(145);
    }
    bv->addWidget(m_loanDate);
    bv->addWidget(m_borrower);
    bv->addWidget(m_remark);
    lv->addWidget(m_loanBody);
    v->addWidget(m_loanBox);
    connect(m_fold, &QToolButton::clicked, this, &InfoPanelWidget::toggleLoanBox);
    m_badge->installEventFilter(this);

    m_cover = label(this, "Image1");
    m_cover->setFixedSize(InfoPanel::kCoverWidth, InfoPanel::kCoverHeight);
    m_cover->setContextMenuPolicy(Qt::CustomContextMenu);
    m_placeholder = label(this, "Image2");
    m_placeholder->setFixedSize(InfoPanel::kCoverWidth, InfoPanel::kCoverHeight);
    m_placeholder->setPixmap(neutralCover(QStringLiteral("Kein Film gewählt")));
    v->addWidget(m_cover);
    v->addWidget(m_placeholder);
    m_coverMenu = new QMenu(this);
    m_preview = m_coverMenu->addAction(QStringLiteral("Vorschau"));
    m_print = m_coverMenu->addAction(QStringLiteral("Drucken"));
    connect(m_cover, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { m_coverMenu->popup(m_cover->mapToGlobal(p)); });

    m_heading = label(this, "XPSectionLabel5");
    m_heading->setStyleSheet(QStringLiteral("font-weight: bold;"));
    v->addWidget(m_heading);
    const char* names[4] = {"Label1", "Label3", "Label4", "Label5"};
    for (int i = 0; i < 4; ++i) {
        m_lines[i] = label(this, names[i]);
        m_lines[i]->setWordWrap(i >= 2);
        v->addWidget(m_lines[i]);
    }
    m_descriptionCaption = label(this, "XPSectionLabel3", QStringLiteral("Filmbeschreibung"));
    m_descriptionCaption->setStyleSheet(QStringLiteral("font-weight: bold;"));
    v->addWidget(m_descriptionCaption);
    m_descriptionBox = new QScrollArea(this);
    m_descriptionBox->setObjectName(QStringLiteral("ScrollBox1"));
    m_descriptionBox->setFixedWidth(InfoPanel::kCoverWidth);
    m_descriptionBox->setFrameShape(QFrame::NoFrame);
    m_descriptionBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_descriptionBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_description = label(m_descriptionBox, "memo1");
    m_description->setWordWrap(true);
    m_description->setTextFormat(Qt::RichText);
    m_description->setAlignment(Qt::AlignJustify | Qt::AlignTop);
    m_description->setFixedWidth(InfoPanel::kCoverWidth);
    m_descriptionBox->setWidget(m_description);
    v->addWidget(m_descriptionBox);
    auto* arrows = new QHBoxLayout;
    m_up = label(this, "pfeiloben", QStringLiteral("▲"));
    m_down = label(this, "pfeilunten", QStringLiteral("▼"));
    for (QLabel* a : {m_up, m_down}) {
        a->setCursor(Qt::PointingHandCursor);
        a->installEventFilter(this);
        arrows->addWidget(a);
    }
    arrows->addStretch(1);
    v->addLayout(arrows);
    v->addStretch(1);

    for (QWidget* w : std::initializer_list<QWidget*>{m_cover, m_heading, m_lines[0], m_lines[1], m_lines[2],
                                                      m_lines[3], m_descriptionCaption, m_description})
        w->installEventFilter(this);
    box->addWidget(this, 1);
    collapseLoanBox();
    clear();
}

QLabel* InfoPanelWidget::line(int n) const { return m_lines[n]; }

void InfoPanelWidget::resetLines()
{
    m_lines[0]->setText(QStringLiteral("Typ: "));
    m_lines[1]->setText(QStringLiteral("Bildformat: "));
    m_lines[2]->setText(QStringLiteral("Sprachen: "));
    m_lines[3]->setText(QStringLiteral("Untertitel: "));
    m_heading->setText(InfoPanel::emptyHeading());
    m_up->hide();
    m_down->hide();
    m_descriptionBox->hide();
    m_preview->setEnabled(false); // the cover viewer and cover printing come with the detail window
    m_print->setEnabled(false);
}

void InfoPanelWidget::clear()
{
    if (m_loanOpen) {
        collapseLoanBox();
        m_badge->hide();
    }
    resetLines();
    m_cover->hide();
    m_placeholder->show();
    m_loanBox->setVisible(false);
}

void InfoPanelWidget::showContent(const InfoPanelContent& c, bool rebuild)
{
    if (!rebuild) {
        if (m_loanOpen) {
            collapseLoanBox();
            m_badge->hide();
        }
        m_loanBox->setVisible(c.lent);
        m_badge->setVisible(c.lent);
        m_fold->setEnabled(c.lent);
        if (c.lent) {
            m_borrower->setText(c.borrowerLine);
            m_loanDate->setText(c.loanDate);
            m_remark->setText(c.loanRemark);
        }
    }
    resetLines();
    m_descriptionBox->show();
    m_heading->setText(c.heading);
    m_lines[0]->setText(c.typeLine);
    m_lines[1]->setText(c.formatLine);
    m_lines[2]->setText(c.languagesLine);
    m_lines[3]->setText(c.subtitlesLine);
    m_description->setText(justified(c.description));
    m_description->setFixedHeight(setbeschreibungheight(InfoPanel::kCoverWidth, c.description));
    drawCover(c.thumbnail);
    m_placeholder->hide();
    m_cover->show();
}

void InfoPanelWidget::drawCover(const QByteArray& thumbnail)
{
    QPixmap area(InfoPanel::kCoverWidth, InfoPanel::kCoverHeight);
    QImage picture;
    if (thumbnail.isEmpty() || !picture.loadFromData(thumbnail, "JPG")) {
        m_coverRect = QRect(0, 0, InfoPanel::kCoverWidth, InfoPanel::kCoverHeight);
        m_cover->setPixmap(neutralCover(QStringLiteral("Kein Cover")));
        return;
    }
    area.fill(Qt::white);
    m_coverRect = InfoPanel::coverRect(picture.size());
    QPainter p(&area);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(m_coverRect, picture);
    p.end();
    m_cover->setPixmap(area);
}

int InfoPanelWidget::setbeschreibungheight(int width, const QString& text)
{
    QTextDocument doc;
    doc.setDefaultFont(m_description->font());
    doc.setDocumentMargin(0);
    doc.setHtml(justified(text));
    doc.setTextWidth(width);
    const int h = int(std::ceil(doc.size().height()));
    if (width != InfoPanel::kCoverWidth)
        return h + 28;
    const int boxHeight = m_descriptionBox->height();
    m_scrollLimit = h - boxHeight + 60;
    const bool arrows = boxHeight < h + 60 && !text.isEmpty();
    m_up->setVisible(arrows);
    m_down->setVisible(arrows);
    if (m_offset > 0) {
        m_descriptionBox->verticalScrollBar()->setValue(0);
        m_offset = 0;
    }
    return h + 60;
}

void InfoPanelWidget::setDescriptionBoxHeight(int height) { m_descriptionBox->setFixedHeight(std::max(0, height)); }

void InfoPanelWidget::scrollDescription(bool down)
{
    if (m_description->text().isEmpty())
        return;
    if (down && m_offset < m_scrollLimit)
        m_offset += kScrollStep;
    else if (!down && m_offset > 0)
        m_offset -= kScrollStep;
    else
        return;
    m_descriptionBox->verticalScrollBar()->setValue(m_offset);
}

void InfoPanelWidget::collapseLoanBox()
{
    m_loanOpen = false;
    m_loanBody->hide();
    m_loanBox->setMinimumHeight(0);
    m_loanBox->setMaximumHeight(QWIDGETSIZE_MAX);
}

void InfoPanelWidget::toggleLoanBox()
{
    if (m_loanOpen) {
        collapseLoanBox();
        return;
    }
    QTextDocument doc;
    doc.setDefaultFont(m_remark->font());
    doc.setDocumentMargin(0);
    doc.setPlainText(m_remark->text());
    doc.setTextWidth(145);
    const int h = int(std::ceil(doc.size().height()));
    m_loanOpen = true;
    m_loanBody->show();
    m_remark->setFixedHeight(h);
    m_loanBox->setFixedHeight(m_remark->text().isEmpty() ? 78 : h + 94);
}

bool InfoPanelWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == m_up || watched == m_down) {
            scrollDescription(watched == m_down);
            return true;
        }
        if (watched == m_badge) {
            toggleLoanBox();
            return true;
        }
        emit detailRequested();
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace korvel::app
