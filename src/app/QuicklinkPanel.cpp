#include "app/QuicklinkPanel.h"

#include "store/CatalogStore.h"
#include "ui/AppContext.h"
#include "ui/Desktop.h"
#include "ui/MessageBoxes.h"

#include <QApplication>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QUrl>
#include <QWheelEvent>

namespace korvel::app {

namespace {
constexpr int kPictureSize = 16;

QIcon drawn(const std::function<void(QPainter&)>& draw)
{
    QPixmap pm(kPictureSize, kPictureSize);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    p.end();
    return QIcon(pm);
}

QIcon pictureOf(const Quicklink& link, Quicklinks::Picture kind)
{
    switch (kind) {
    case Quicklinks::Picture::OwnIcon: {
        const QIcon own = QFileIconProvider().icon(QFileInfo(link.target));
        return own.isNull() ? QuicklinkPanel::programPicture() : own;
    }
    case Quicklinks::Picture::Web:
        return QuicklinkPanel::webPicture();
    case Quicklinks::Picture::Program:
        return QuicklinkPanel::programPicture();
    case Quicklinks::Picture::Folder:
        break;
    }
    return QuicklinkPanel::folderPicture();
}
} // namespace

QuicklinkLabel::QuicklinkLabel(const Quicklink& link, QWidget* parent)
    : ui::HoverLink(QStringLiteral("quicklink%1").arg(link.key), link.name, parent),
      m_key(link.key), m_picture(Quicklinks::pictureFor(link)), m_icon(pictureOf(link, m_picture))
{
    setIndent(kPictureSize + 4);
    setTextFormat(Qt::PlainText);
}

void QuicklinkLabel::paintEvent(QPaintEvent* event)
{
    ui::HoverLink::paintEvent(event);
    QPainter p(this);
    m_icon.paint(&p, QRect(0, (height() - kPictureSize) / 2, kPictureSize, kPictureSize));
}

QuicklinkPanel::QuicklinkPanel(ui::AppContext& context, store::CatalogStore& store, int formNumber,
                               std::function<QString()> currentTitle, bool ownWheel,
                               QWidget* parent)
    : QWidget(parent), m_ctx(context), m_store(store), m_form(formNumber),
      m_title(std::move(currentTitle)), m_ownWheel(ownWheel)
{
    setObjectName(QStringLiteral("quicklinks%1").arg(formNumber));
}

void QuicklinkPanel::clear()
{
    qDeleteAll(m_labels);
    m_labels.clear();
    m_offset = 0;
}

void QuicklinkPanel::rebuild()
{
    clear();
    for (const Quicklink& link : Quicklinks::forForm(m_store.favoritendb(), m_form)) {
        auto* label = new QuicklinkLabel(link, this);
        const int key = link.key;
        connect(label, &ui::HoverLink::clicked, this,
                [this, key] { ui::guarded(*m_ctx.boxes, this, [this, key] { open(key); }); });
        m_labels << label;
        label->show();
    }
    placeLabels();
}

void QuicklinkPanel::placeLabels()
{
    for (int i = 0; i < m_labels.size(); ++i)
        m_labels[i]->setGeometry(Quicklinks::LabelLeft, Quicklinks::labelTop(i, m_offset),
                                 Quicklinks::labelWidth(width()), Quicklinks::LabelHeight);
}

void QuicklinkPanel::setScrollOffset(int offset)
{
    m_offset = offset;
    placeLabels();
}

void QuicklinkPanel::open(int key)
{
    const QString target = Quicklinks::targetOf(m_store.favoritendb(), key);
    const LinkTarget t =
        Quicklinks::classify(Quicklinks::withTitle(target, m_title ? m_title() : QString()));
    // What the desktop cannot open is its own business: the program reports nothing.
    switch (t.kind) {
    case LinkTarget::Kind::Nothing:
        break;
    case LinkTarget::Kind::Address:
        m_ctx.desktop->openUrl(QUrl(t.text, QUrl::TolerantMode));
        break;
    case LinkTarget::Kind::Program:
        m_ctx.desktop->startProgram(t.text);
        break;
    case LinkTarget::Kind::File:
        m_ctx.desktop->openUrl(QUrl::fromLocalFile(t.text));
        break;
    }
}

void QuicklinkPanel::wheelEvent(QWheelEvent* event)
{
    const int delta = event->angleDelta().y();
    if (!m_ownWheel || delta == 0) {
        event->ignore(); // the window turns it
        return;
    }
    setScrollOffset(Quicklinks::wheelOffset(m_offset, delta < 0));
    event->accept();
}

void QuicklinkPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeLabels();
}

QIcon QuicklinkPanel::webPicture()
{
    return drawn([](QPainter& p) {
        p.setPen(QPen(QColor(30, 90, 170), 1.2));
        p.setBrush(QColor(120, 180, 240));
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(5, 1.5, 6, 13));
        p.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
        p.drawLine(QPointF(3, 4.5), QPointF(13, 4.5));
        p.drawLine(QPointF(3, 11.5), QPointF(13, 11.5));
    });
}

QIcon QuicklinkPanel::programPicture()
{
    return drawn([](QPainter& p) {
        p.setPen(QColor(60, 60, 60));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(1.5, 2.5, 13, 11));
        p.fillRect(QRectF(2, 3, 12, 3), QColor(30, 90, 170));
    });
}

QIcon QuicklinkPanel::folderPicture()
{
    return qApp->style()->standardIcon(QStyle::SP_DirIcon);
}

} // namespace korvel::app
