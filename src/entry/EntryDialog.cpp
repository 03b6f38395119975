#include "entry/EntryDialog.h"

#include "app/QuicklinkPanel.h"
#include "app/WindowGeometry.h"
#include "entry/CommentEditor.h"
#include "entry/EntryForm.h"
#include "entry/MovieEntry.h"
#include "entry/TrackRows.h"
#include "store/CatalogStore.h"
#include "ui/AppContext.h"
#include "ui/FileChooser.h"
#include "ui/MessageBoxes.h"
#include "ui/TaskPanel.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QWheelEvent>

namespace korvel::entry {

namespace {
bool isPictureFile(const QString& path)
{
    const QString ext = QFileInfo(path).suffix().toUpper();
    return ext == QLatin1String("JPG") || ext == QLatin1String("JPEG") || ext == QLatin1String("BMP");
}

// TForm12: the small notice after a save that closes itself.
class SavedNotice : public QDialog
{
public:
    SavedNotice(QWidget* parent, int ms) : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog)
    {
        setObjectName(QStringLiteral("TForm12"));
        setFixedSize(115, 72);
        setModal(true);
        QTimer::singleShot(ms, this, &QDialog::accept);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(40, 150, 60), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygon({QPoint(40, 30), QPoint(52, 42), QPoint(75, 16)}));
        p.setPen(Qt::black);
        p.drawText(QRect(0, 46, width(), 20), Qt::AlignCenter, QStringLiteral("Gespeichert"));
        p.setPen(QColor(180, 180, 180));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};
} // namespace

EntryDialog::EntryDialog(ui::AppContext& context, store::CatalogStore& store, store::EntryNumbers& numbers,
                         QWidget* mainWindow, int variant, const Names& names)
    : QWidget(mainWindow, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                              | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_ctx(context), m_store(store), m_numbers(numbers), m_names(names)
{
    setObjectName(QString::fromLatin1(names.objectName));
    setWindowTitle(names.title);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    setFont(font);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setAcceptDrops(true);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 8, 8);
    m_panel = new ui::TaskPanel(this);
    m_panel->setFixedWidth(170);
    ui::TaskBox* tasks = m_panel->addBox(QStringLiteral("XPTask1"), QStringLiteral("Aufgaben"));
    ui::TaskSection* changes = tasks->addSection(names.changesSection);
    addLink(changes, "XPHoverLabel1", QStringLiteral("Speichern"), [this] { save(); });
    addLink(changes, "XPHoverLabel2", QStringLiteral("Verwerfen"), [this] { discard(); });
    ui::TaskSection* dvd = tasks->addSection(QStringLiteral("DVD"));
    addLink(dvd, "XPHoverLabel8", QStringLiteral("Einlesen"), {}); // comes with the disc read-in
    addLink(dvd, "XPHoverLabel9", QStringLiteral("MovieDB"), [this] { lookup(); });
    ui::TaskSection* window = tasks->addSection(QStringLiteral("Fenster"));
    addLink(window, "XPHoverLabel3", QStringLiteral("Schließen"), [this] { close(); });
    ui::TaskBox* quicklinks = m_panel->addBox(QStringLiteral("XPTask2"), QStringLiteral("Favoriten"));
    m_quicklinkBox = new QWidget(quicklinks);
    m_quicklinkBox->setObjectName(QStringLiteral("favoriten"));
    m_quicklinkBox->setMinimumHeight(120);
    quicklinks->addWidget(m_quicklinkBox, 1);
    // quicklinks of form number 1 (add) or 2 (edit); %TITEL% is the title field's text
    auto* quicklinkLayout = new QVBoxLayout(m_quicklinkBox);
    quicklinkLayout->setContentsMargins(0, 0, 0, 0);
    m_quicklinkPanel = new app::QuicklinkPanel(
        m_ctx, m_store, EntryForm::Variant(variant) == EntryForm::Variant::Add ? 1 : 2,
        [this] { return m_form->title()->text(); }, false, m_quicklinkBox);
    quicklinkLayout->addWidget(m_quicklinkPanel);
    m_panel->addStretch();
    row->addWidget(m_panel);

    m_form = new EntryForm(EntryForm::Variant(variant), this);
    m_form->setMessageBoxes(m_ctx.boxes);
    row->addWidget(m_form, 1);
    m_commentEditor = new CommentEditor(*m_ctx.boxes, this);

    const bool add = m_form->variant() == EntryForm::Variant::Add;
    const auto wire = [this](const QString& name, std::function<void()> fn) {
        connect(m_form->link(name), &ui::HoverLink::clicked, this, [this, fn] { command(fn); });
    };
    wire(QStringLiteral("XPHoverLabel4"), [this] { addAudioTrack(); });
    wire(QStringLiteral("XPHoverLabel5"), [this] { addSubtitle(); });
    wire(QStringLiteral("XPHoverLabel6"), [this] { removeSelected(m_form->audioList()); });
    wire(QStringLiteral("XPHoverLabel7"), [this] { removeSelected(m_form->subtitleList()); });
    wire(add ? QStringLiteral("XPHoverLabel10") : QStringLiteral("XPHoverLabel12"),
         [this] { removeDuplicates(m_form->audioList()); });
    wire(add ? QStringLiteral("XPHoverLabel11") : QStringLiteral("XPHoverLabel13"),
         [this] { removeDuplicates(m_form->subtitleList()); });
    connect(m_form->commentButton(), &QToolButton::clicked, this, [this] { command([this] { editComment(); }); });
    m_form->cover()->installEventFilter(this);
    m_form->removeCover()->installEventFilter(this);
    for (QTreeWidget* list : {m_form->audioList(), m_form->subtitleList()})
        list->viewport()->installEventFilter(this);
    m_quicklinkBox->installEventFilter(this);
    qApp->installEventFilter(this);
}

EntryDialog::~EntryDialog() { qApp->removeEventFilter(this); }

void EntryDialog::command(const std::function<void()>& fn) { ui::guarded(*m_ctx.boxes, this, fn); }

ui::HoverLink* EntryDialog::addLink(ui::TaskSection* section, const char* name, const QString& text,
                                   std::function<void()> fn)
{
    ui::HoverLink* l = section->addLink(QString::fromLatin1(name), text);
    if (fn)
        connect(l, &ui::HoverLink::clicked, this, [this, fn] { command(fn); });
    else
        l->setEnabled(false);
    return l;
}

void EntryDialog::loadGenres()
{
    QStringList genres;
    store::BorrowedQuery q(m_store.genres(), {QStringLiteral("select *from genres order by genre_name")});
    for (; !q->atEnd(); q->next())
        genres << q->text(QStringLiteral("genre_name"));
    m_form->setGenres(genres);
}

void EntryDialog::placeWindow()
{
    const QPoint stored = app::GeometryRow::dialogPosition(m_store.prg(), QString::fromLatin1(m_names.xColumn),
                                                           QString::fromLatin1(m_names.yColumn));
    const QSize desktop = screen() ? screen()->geometry().size() : QSize(1024, 768);
    move(stored.x() == -1 ? desktop.width() / 2 - width() / 2 : stored.x(),
         stored.y() == -1 ? desktop.height() / 2 - height() / 2 : stored.y());
}

void EntryDialog::savePosition()
{
    app::GeometryRow::saveDialogPosition(m_store.prg(), QString::fromLatin1(m_names.xColumn),
                                         QString::fromLatin1(m_names.yColumn), pos());
}

void EntryDialog::showSavedNotice()
{
    SavedNotice notice(this, m_noticeMs);
    notice.move(x() + width() - notice.width() - 10, y() + height() - notice.height() - 10);
    notice.exec();
}

void EntryDialog::lookup()
{
    const QString title = m_form->title()->text();
    if (title.isEmpty()) {
        m_ctx.boxes->information(this, NoTitleText);
        return;
    }
    if (title.trimmed().size() < 3) {
        m_ctx.boxes->information(this, ShortTitleText);
        return;
    }
    // the lookup dialog comes with the online lookup; until then a valid title leads nowhere
}

void EntryDialog::addAudioTrack()
{
    QComboBox* lang = m_form->audioLanguage();
    QComboBox* format = m_form->audioFormat();
    QComboBox* channels = m_form->channels();
    if (lang->currentText().isEmpty() || format->currentText().isEmpty() || channels->currentText().isEmpty()) {
        m_ctx.boxes->information(this, AudioIncompleteText);
        return;
    }
    MovieEntry e = m_form->entry();
    e.audio.append({lang->currentText(), format->currentText(), channels->currentText()});
    m_form->setAudioTracks(e.audio);
    for (QComboBox* c : {lang, format, channels}) {
        c->setCurrentIndex(-1);
        c->setEditText(QString());
    }
    tracksChanged();
}

void EntryDialog::addSubtitle()
{
    QComboBox* lang = m_form->subtitleLanguage();
    QComboBox* attribute = m_form->subtitleAttribute();
    if (lang->currentText().isEmpty() || attribute->currentText().isEmpty()) {
        m_ctx.boxes->information(this, m_names.subtitleIncompleteText);
        return;
    }
    MovieEntry e = m_form->entry();
    e.subtitles.append({lang->currentText(), attribute->currentText()});
    m_form->setSubtitleTracks(e.subtitles);
    tracksChanged();
}

void EntryDialog::removeSelected(QTreeWidget* list)
{
    QTreeWidgetItem* item = list->currentItem();
    if (!item || !item->isSelected())
        return;
    delete item;
    const MovieEntry e = m_form->entry();
    list == m_form->audioList() ? m_form->setAudioTracks(e.audio) : m_form->setSubtitleTracks(e.subtitles);
    tracksChanged();
}

void EntryDialog::removeDuplicates(QTreeWidget* list)
{
    QList<QStringList> rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QStringList cells;
        for (int c = 0; c < list->columnCount(); ++c)
            cells << list->topLevelItem(i)->text(c);
        rows << cells;
    }
    TrackRows::removeDuplicates(rows);
    if (list == m_form->audioList()) {
        QList<AudioTrack> tracks;
        for (const QStringList& r : rows)
            tracks.append({r.value(0), r.value(1), r.value(2)});
        m_form->setAudioTracks(tracks);
    } else {
        QList<SubtitleTrack> tracks;
        for (const QStringList& r : rows)
            tracks.append({r.value(0), r.value(1)});
        m_form->setSubtitleTracks(tracks);
    }
    if (list->topLevelItemCount() > 0)
        list->setCurrentItem(list->topLevelItem(0));
    tracksChanged();
}

void EntryDialog::editComment()
{
    QLineEdit* field = m_form->comment();
    const QPoint anchor = field->mapToGlobal(QPoint(field->width() - 5, field->height() - 2));
    m_commentEditor->move(x() + width() / 2 - m_commentEditor->width() / 2,
                          anchor.y() - 40 - m_commentEditor->height());
    m_commentEditor->exec();
    field->setText(m_commentEditor->text());
}

void EntryDialog::chooseCover()
{
    const QString path = m_ctx.files->openFile(this, QStringLiteral("Cover suchen"), m_names.coverFilter);
    if (!path.isEmpty() && isPictureFile(path)) {
        m_form->setCoverPath(path);
        coverChosen();
    }
}

void EntryDialog::takeDroppedFile(const QString& path)
{
    if (isPictureFile(path)) {
        m_form->setCoverPath(path);
        coverDropped();
    }
}

void EntryDialog::removeCover()
{
    if (m_form->cover()->text() != kCoverAfterClearing)
        m_form->setCoverPath(QString());
    coverRemoved();
}

void EntryDialog::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void EntryDialog::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty() && urls.first().isLocalFile())
        command([&] { takeDroppedFile(urls.first().toLocalFile()); });
}

void EntryDialog::rebuildQuicklinks()
{
    m_quicklinkScroll = 0;
    m_quicklinkPanel->rebuild();
}

bool EntryDialog::handleKey(QKeyEvent* event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (mods == Qt::ControlModifier && event->key() == Qt::Key_S) {
        command([this] { save(); });
        return true;
    }
    if (mods == Qt::ControlModifier && event->key() == Qt::Key_M) {
        command([this] { lookup(); });
        return true;
    }
    if (mods == Qt::ControlModifier && event->key() == Qt::Key_E)
        return true; // the disc read-in comes with the disc handling
    return false;
}

bool EntryDialog::handleWheel(QObject* watched, QWheelEvent* event)
{
    const int steps = event->angleDelta().y();
    if (steps == 0)
        return false;
    for (QTreeWidget* list : {m_form->audioList(), m_form->subtitleList()}) {
        if (watched != list->viewport())
            continue;
        const int count = list->topLevelItemCount();
        if (count == 0)
            return true;
        QTreeWidgetItem* current = list->currentItem();
        const int row = current && current->isSelected() ? list->indexOfTopLevelItem(current) : -1;
        int next = row;
        if (steps < 0)
            next = row < 0 ? 0 : std::min(row + 1, count - 1);
        else if (row > 0)
            next = row - 1;
        if (next >= 0) {
            list->setCurrentItem(list->topLevelItem(next));
            list->scrollToItem(list->topLevelItem(next));
        }
        return true;
    }
    if (watched == m_quicklinkBox) {
        if (steps < 0)
            m_quicklinkScroll += 2;
        else if (m_quicklinkScroll > 0)
            m_quicklinkScroll -= 2;
        m_quicklinkPanel->setScrollOffset(m_quicklinkScroll);
        return true;
    }
    return false;
}

bool EntryDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && isVisible() && watched->isWidgetType()
        && static_cast<QWidget*>(watched)->window() == this) {
        if (handleKey(static_cast<QKeyEvent*>(event)))
            return true;
    } else if (event->type() == QEvent::Wheel) {
        if (handleWheel(watched, static_cast<QWheelEvent*>(event)))
            return true;
    } else if (event->type() == QEvent::MouseButtonRelease
               && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == m_form->cover()) {
            command([this] { chooseCover(); });
            return true;
        }
        if (watched == m_form->removeCover()) {
            command([this] { removeCover(); });
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace korvel::entry
