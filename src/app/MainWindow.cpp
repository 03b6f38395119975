#include "app/MainWindow.h"

#include "app/InfoPanelContent.h"
#include "app/InfoPanelWidget.h"
#include "app/ListMenu.h"
#include "app/MovieListModel.h"
#include "app/MovieListView.h"
#include "app/QuicklinkPanel.h"
#include "app/QuicklinksDialog.h"
#include "app/Settings.h"
#include "app/WindowGeometry.h"
#include "entry/AddDialog.h"
#include "entry/EditDialog.h"
#include "entry/EntrySave.h"
#include "entry/GenreListDialog.h"
#include "online/LookupService.h"
#include "ui/FileChooser.h"
#include "ui/AppContext.h"
#include "ui/Desktop.h"
#include "ui/MessageBoxes.h"
#include "ui/TaskPanel.h"
#include "ui/WaitCursor.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace korvel::app {

namespace {
constexpr int kStatusPanel0 = 184;
const QString kHomepage = QStringLiteral("https://dvdkorvel.quarndesk.de/");
const QString kForum = QStringLiteral("https://dvdkorvel.quarndesk.de/forum/");
const QString kContact = QStringLiteral("mailto:kontakt@quarndesk.de?subject=DVD%20Korvel");
const QString kDistributor = QStringLiteral("https://dvdkorvel.quarndesk.de/bezugsquellen/");
const QString kCredit = QStringLiteral("DVD Korvel © Quarndesk");
} // namespace

MainWindow::MainWindow(ui::AppContext& context, const QStringList& arguments)
    : m_ctx(context)
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("DVD Korvel"));
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(11);
    setFont(f);
    buildFrame();
    resize(988, 634);

    m_state = Startup::open(*m_ctx.settings, m_store, arguments, m_ctx.programDir);
    if (m_state.failed) {
        m_ctx.boxes->error(nullptr, StartFailedText);
        return;
    }
    m_status[1]->setText(QStringLiteral("Verbunden mit ") + m_state.catalogPath);
    setListColumns(m_state.columns, m_state.columnsFromSettings ? QStringLiteral("keine")
                                                                 : QStringLiteral("keines"));
    m_discCheck->setChecked(m_state.discCheck);
    m_extActorInfos->setChecked(m_state.extendedActorInfos);
    m_searchField->setCurrentIndex(0);
    command([this] {
        restoreGeometryRow();
        m_lent.reload(m_store);
    });
    command([this] { m_quicklinkPanel->rebuild(); });
    applyLayoutHeights();
    // created once at start; it reads the proxy settings
    m_lookup = std::make_unique<online::LookupService>(m_ctx.settings->raw());
    qApp->installEventFilter(this);
}

MainWindow::~MainWindow() { qApp->removeEventFilter(this); }

void MainWindow::command(const std::function<void()>& fn) { ui::guarded(*m_ctx.boxes, this, fn); }

void MainWindow::buildFrame()
{
    auto* central = new QWidget(this);
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);

    m_taskPanel = new ui::TaskPanel(central);
    m_taskPanel->setFixedWidth(185);
    row->addWidget(m_taskPanel);
    buildTaskPanel();

    auto* centre = new QWidget(central);
    auto* centreLayout = new QVBoxLayout(centre);
    centreLayout->setContentsMargins(0, 0, 0, 0);
    centreLayout->setSpacing(0);
    auto* top = new QWidget(centre);
    top->setFixedHeight(17);
    auto* bottom = new QWidget(centre);
    bottom->setFixedHeight(17);
    m_list = new MovieListView(centre);
    m_listModel = new MovieListModel(this);
    m_list->setModel(m_listModel);
    connect(m_list->header(), &QHeaderView::sectionClicked, this,
            [this](int column) { command([this, column] { sortByColumn(column); }); });
    connect(m_list->header(), &QHeaderView::sectionResized, this, [this](int column, int, int size) {
        if (column > 0 && column <= m_columnWidths.size())
            m_columnWidths[column - 1] = size;
    });
    connect(m_list, &MovieListView::showSelectedRequested, this, [this] { command([this] { showSelected(); }); });
    connect(m_list, &MovieListView::focusLeft, this, [this] {
        if (m_infoPanel->loanBoxOpen()) {
            m_infoPanel->collapseLoanBox();
            m_infoPanel->badge()->hide();
        }
    });
    connect(m_list, &MovieListView::deleteRequested, this, [this] { command([this] { deleteEntries(); }); });
    connect(m_list, &MovieListView::openRequested, this, [this](bool rowSelected) {
        // the detail window comes with its own issue; without a row the add dialog opens
        if (!rowSelected)
            command([this] { addEntry(); });
    });
    connect(m_list, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        prepareListMenu();
        m_listMenu->popup(m_list->viewport()->mapToGlobal(p));
    });
    connect(m_listModel, &MovieListModel::statusTextChanged, this,
            [this](const QString& text) { m_status[0]->setText(text); });
    centreLayout->addWidget(top);
    centreLayout->addWidget(m_list, 1);
    centreLayout->addWidget(bottom);
    row->addWidget(centre, 1);

    auto* right = new QWidget(central);
    right->setFixedWidth(259);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(8, 12, 12, 12);
    m_info = new ui::TaskBox(QStringLiteral("XPTask3"), QStringLiteral("Details"), right);
    m_infoPanel = new InfoPanelWidget(m_info);
    rightLayout->addWidget(m_info);
    rightLayout->addStretch(1);
    row->addWidget(right);
    setCentralWidget(central);

    for (int i = 0; i < 3; ++i) {
        m_status[i] = new QLabel(this);
        m_status[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
    }
    m_status[0]->setFixedWidth(kStatusPanel0);
    m_status[2]->setText(kCredit);
    statusBar()->addWidget(m_status[0]);
    statusBar()->addWidget(m_status[1]);
    statusBar()->addWidget(m_status[2], 1);
    setMinimumHeight(MinimumHeight);

    buildMenus();
    buildListMenu();
    m_addDialog = new entry::AddDialog(m_ctx, m_store, m_numbers, this);
    connect(m_addDialog, &entry::AddDialog::entrySaved, this, [this] { command([this] { updateEntryCount(); }); });
    connect(m_addDialog, &entry::AddDialog::closed, this,
            [this](const QStringList& q) { command([this, q] { addDialogClosed(q); }); });
    entry::EditDialog::Host host;
    host.selectedRows = [this] { return m_list->selectedRows(); };
    host.keyOfRow = [this](int row) { return m_listModel->keyOfRow(row); };
    host.rowSaved = [this](int row, const QString&) {
        m_listModel->rebuildRow(row, m_store);
        rebuildInfoPanel(row);
    };
    host.rowShown = [this](int row) {
        m_lastShownKey.reset();
        const InfoPanelContent c = InfoPanel::load(m_store, m_listModel->keyOfRow(row), m_state.coverFolder);
        m_infoPanel->showContent(c, false);
        m_lastShownKey = m_listModel->keyOfRow(row);
    };
    host.infoPanelBusy = [this] { return m_infoBusy; };
    m_editDialog = new entry::EditDialog(m_ctx, m_store, m_numbers, this, std::move(host));
    buildSearchAndViewSetup();
}

void MainWindow::buildTaskPanel()
{
    m_tasks = m_taskPanel->addBox(QStringLiteral("XPTask1"), QStringLiteral("Aufgaben"));
    m_tasks->setFixedSize(161, 296);
    ui::TaskSection* dvd = m_tasks->addSection(QStringLiteral("DVD"));
    // Commands whose windows are not there yet stay visible but disabled.
    connect(dvd->addLink(QStringLiteral("XPHoverLabel1"), QStringLiteral("Neu hinzufügen")),
            &ui::HoverLink::clicked, this, [this] { command([this] { addEntry(); }); });
    connect(dvd->addLink(QStringLiteral("XPHoverLabel2"), QStringLiteral("Bearbeiten")),
            &ui::HoverLink::clicked, this, [this] { command([this] { editEntry(); }); });
    connect(dvd->addLink(QStringLiteral("XPHoverLabel3"), QStringLiteral("Entfernen")),
            &ui::HoverLink::clicked, this, [this] { command([this] { deleteEntries(); }); });
    dvd->addLink(QStringLiteral("XPHoverLabel4"), QStringLiteral("Drucken"))->setEnabled(false);

    ui::TaskSection* search = m_tasks->addSection(QStringLiteral("Suchkriterien"));
    auto* searchRow = new QWidget(search);
    auto* searchLayout = new QHBoxLayout(searchRow);
    searchLayout->setContentsMargins(0, 0, 0, 0);
    m_search = new QLineEdit(searchRow);
    m_search->setObjectName(QStringLiteral("Edit1"));
    m_clearSearch = new QToolButton(searchRow);
    m_clearSearch->setObjectName(QStringLiteral("SpeedButton1"));
    m_clearSearch->setText(QStringLiteral("×"));
    searchLayout->addWidget(m_search, 1);
    searchLayout->addWidget(m_clearSearch);
    search->addWidget(searchRow);
    auto* label = new QLabel(QStringLiteral("suchen in"), search);
    search->addWidget(label);
    m_searchField = new QComboBox(search);
    m_searchField->setObjectName(QStringLiteral("ComboBox1"));
    m_searchField->addItems({QStringLiteral("Alle"), QStringLiteral("Titel"), QStringLiteral("Darsteller"),
                             QStringLiteral("Genre")}); // until the first fill
    search->addWidget(m_searchField);

    m_favorites = m_taskPanel->addBox(QStringLiteral("XPTask2"), QStringLiteral("Favoriten"));
    m_favorites->setFixedWidth(161);
    m_quicklinks = new QScrollArea(m_favorites);
    m_quicklinks->setObjectName(QStringLiteral("favoriten"));
    m_quicklinks->setFrameShape(QFrame::NoFrame);
    m_quicklinks->setWidgetResizable(true);
    m_quicklinks->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_quicklinks->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_quicklinkPanel = new QuicklinkPanel(m_ctx, m_store, 0, [this] { return currentTitle(); }, true, m_quicklinks);
    m_quicklinks->setWidget(m_quicklinkPanel);
    m_favorites->addWidget(m_quicklinks, 1);
    m_taskPanel->addStretch();
}

void MainWindow::buildMenus()
{
    // An entry whose window is not built yet is shown disabled, never pretending to work.
    const auto entry = [this](QMenu* menu, const char* name, const QString& text,
                              std::function<void()> handler = {}) {
        QAction* a = menu->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        if (handler)
            connect(a, &QAction::triggered, this, [this, handler] { command(handler); });
        else
            a->setEnabled(false);
        return a;
    };

    QMenu* file = menuBar()->addMenu(QStringLiteral("&Datei"));
    entry(file, "LeereDatenbankerstellen1", QStringLiteral("Leere Datenbank erstellen"), [this] { createCatalog(); });
    entry(file, "Datenbankwechseln1", QStringLiteral("Datenbank wechseln"), [this] { switchCatalog(); });
    entry(file, "Datenbanksichern1", QStringLiteral("Datenbank sichern"), [this] { backupCatalog(); });
    file->addSeparator();
    entry(file, "Programmbeenden1", QStringLiteral("Programm beenden"), [this] { close(); });

    QMenu* movies = menuBar()->addMenu(QStringLiteral("Movies"));
    entry(movies, "Neuhinzufgen1", QStringLiteral("Neu hinzufügen"), [this] { addEntry(); });
    entry(movies, "Bearbeiten1", QStringLiteral("Bearbeiten"), [this] { editEntry(); });
    entry(movies, "Entfernen1", QStringLiteral("Entfernen"), [this] { deleteEntries(); });

    QMenu* loans = menuBar()->addMenu(QStringLiteral("Verleih"));
    entry(loans, "Verleihen1", QStringLiteral("Verleihen"));
    entry(loans, "Retourniert1", QStringLiteral("Retourniert"));
    entry(loans, "bersicht1", QStringLiteral("Übersicht"));

    QMenu* favorites = menuBar()->addMenu(QStringLiteral("Favoriten"));
    entry(favorites, "Quicklinksverwalten1", QStringLiteral("Quicklinks verwalten"), [this] { manageQuicklinks(); });

    QMenu* wishlist = menuBar()->addMenu(QStringLiteral("Wunschliste"));
    entry(wishlist, "MeineDVDWunschliste1", QStringLiteral("Meine DVD Wunschliste"));

    QMenu* extras = menuBar()->addMenu(QStringLiteral("Extras"));
    entry(extras, "Ansichteinrichten1", QStringLiteral("Ansicht einrichten"), [this] { openViewSetup(); });
    entry(extras, "NeuenCoverOrdnerfestlegen1", QStringLiteral("Neuen Cover-Ordner festlegen"));
    QMenu* options = extras->addMenu(QStringLiteral("Optionen"));
    m_discCheck = options->addAction(QStringLiteral("Discwacht"));
    m_discCheck->setObjectName(QStringLiteral("DVDCheck1"));
    m_discCheck->setCheckable(true);
    m_discCheck->setChecked(true);
    QMenu* defaults = options->addMenu(QStringLiteral("Vorgaben"));
    entry(defaults, "Genres1", QStringLiteral("Genres"), [this] { editGenres(); });
    QMenu* moviedb = options->addMenu(QStringLiteral("MovieDB"));
    m_extActorInfos = moviedb->addAction(QStringLiteral("Erweiterte Darsteller-Infos"));
    m_extActorInfos->setObjectName(QStringLiteral("ErweiterteDarstellerInfos1"));
    m_extActorInfos->setCheckable(true);
    entry(moviedb, "ProxySetup1", QStringLiteral("Proxy-Setup"));
    entry(options, "Datenbankaufrumen1", QStringLiteral("Datenbank aufräumen"), [this] { compactCatalog(); });
    entry(options, "Datenbankaktualisieren1", QStringLiteral("Datenbank aktualisieren"), [this] { upgradeCatalog(); });

    QMenu* help = menuBar()->addMenu(QStringLiteral("?"));
    entry(help, "Homepage1", QStringLiteral("Homepage"), [this] { openAddress(kHomepage); });
    entry(help, "Forum1", QStringLiteral("Forum"), [this] { openAddress(kForum); });
    entry(help, "Kontakt1", QStringLiteral("Kontakt"), [this] { openAddress(kContact); });
    help->addSeparator();
    entry(help, "Bezugsquellen1", QStringLiteral("Bezugsquellen"), [this] { openAddress(kDistributor); });
    help->addSeparator();
    entry(help, "Updates1", QStringLiteral("Updates"));
    entry(help, "InfozumProgramm1", QStringLiteral("Info zum Programm"), [this] { showAbout(); });
}

void MainWindow::openAddress(const QString& address) { m_ctx.desktop->openUrl(QUrl(address)); }

void MainWindow::showAbout()
{
    QDialog about(this);
    about.setObjectName(QStringLiteral("TForm7"));
    about.setWindowTitle(QStringLiteral("Info zum Programm"));
    auto* layout = new QVBoxLayout(&about);
    auto* text = new QLabel(QStringLiteral("<b>DVD Korvel</b><br>Version %1<br><br>"
                                           "Der Katalog Ihrer DVD-Sammlung.<br>© Quarndesk")
                                .arg(QCoreApplication::applicationVersion()),
                            &about);
    layout->addWidget(text);
    auto* buttons = new QDialogButtonBox(&about);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::accepted, &about, &QDialog::accept);
    layout->addWidget(buttons);
    about.adjustSize();
    about.move(m_list->mapToGlobal(m_list->rect().center()) - about.rect().center());
    about.exec();
}

void MainWindow::restoreGeometryRow()
{
    const QSize desktop = screen() ? screen()->geometry().size() : QSize(1024, 768);
    const WindowGeometry g = GeometryRow::restore(m_store.prg(), desktop, size());
    const QRect r = g.placement();
    move(r.topLeft());
    resize(r.size());
    if (g.fullscreen)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void MainWindow::setListColumns(const QList<ListColumn>& columns, const QString& keyCaption)
{
    QList<MovieListModel::Column> shown;
    m_columnWidths.clear();
    for (const ListColumn& c : columns) {
        shown.append({c.caption, c.width});
        m_columnWidths << c.width;
    }
    m_listModel->setColumns(shown, keyCaption);
    QHeaderView* h = m_list->header();
    h->resizeSection(0, 0);
    h->setSectionResizeMode(0, QHeaderView::Fixed);
    for (int i = 0; i < m_columnWidths.size(); ++i)
        h->resizeSection(i + 1, m_columnWidths[i]);
}

QList<ListColumn> MainWindow::listColumns() const
{
    QList<ListColumn> columns;
    const QStringList captions = m_listModel->shownCaptions();
    for (int i = 0; i < captions.size(); ++i)
        columns.append({captions[i], m_columnWidths.value(i, m_list->header()->sectionSize(i + 1))});
    return columns;
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_filledOnce && !m_state.failed) {
        m_filledOnce = true;
        command([this] { fillList(); });
    }
}

void MainWindow::fillList()
{
    ui::WaitCursor wait;
    m_infoPanel->collapseLoanBox();
    m_list->setUpdatesEnabled(false);
    const QList<int> widths = m_columnWidths;
    m_listModel->setLentKeys(QSet<int>(m_lent.loans().keyBegin(), m_lent.loans().keyEnd()));
    try {
        m_listModel->fill(m_store, m_numbers);
    } catch (...) {
        m_list->setUpdatesEnabled(true);
        throw;
    }
    // the header keeps the widths the user gave the columns
    QHeaderView* h = m_list->header();
    h->resizeSection(0, 0);
    for (int i = 0; i < widths.size(); ++i)
        h->resizeSection(i + 1, widths[i]);
    m_columnWidths = widths;
    m_status[0]->setText(m_listModel->statusText());
    m_searchField->clear();
    m_searchField->addItem(QStringLiteral("Alle"));
    m_searchField->addItems(m_listModel->shownCaptions());
    m_searchField->setCurrentIndex(0);
    m_list->setUpdatesEnabled(true);
    m_list->setFocus();
}

void MainWindow::sortByColumn(int column)
{
    if (!m_listModel->setOrderForColumnClick(column, m_store))
        return;
    m_search->clear();
    fillList();
}

void MainWindow::updateEntryCount()
{
    store::BorrowedQuery q(m_store.haupt(), {QStringLiteral("select *from haupt")});
    m_status[0]->setText(MovieListModel::statusTextFor(q->recordCount()));
}

void MainWindow::buildListMenu()
{
    m_listMenu = new QMenu(this);
    m_listMenu->setObjectName(QStringLiteral("PopupMenu1"));
    QMenu* videos = m_listMenu->addMenu(QStringLiteral("Videos"));
    videos->setObjectName(QStringLiteral("Videos1"));
    const auto item = [this](QMenu* menu, const char* name, const QString& text, std::function<void()> fn) {
        QAction* a = menu->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        if (fn)
            connect(a, &QAction::triggered, this, [this, fn] { command(fn); });
        return a;
    };
    item(videos, "Hinzufgen2", QStringLiteral("Hinzufügen"), [this] { addEntry(); });
    item(videos, "Bearbeiten2", QStringLiteral("Bearbeiten"), [this] { editEntry(); });
    item(videos, "Entfernen2", QStringLiteral("Entfernen"), [this] { deleteEntries(); });
    videos->addSeparator();
    item(videos, "Drucken2", QStringLiteral("Drucken"), {});
    item(m_listMenu, "Detailansicht1", QStringLiteral("Detailansicht"), {});
    m_listMenu->addSeparator();
    QMenu* loans = m_listMenu->addMenu(QStringLiteral("Verleih"));
    loans->setObjectName(QStringLiteral("Verleih2"));
    item(loans, "Verleihen2", QStringLiteral("Verleihen"), {});
    item(loans, "Retourniert2", QStringLiteral("Retourniert"), {});
}

void MainWindow::prepareListMenu()
{
    const int row = m_list->currentRow();
    const ListMenuState state =
        ListMenuState::forSelection(row >= 0, row >= 0 && m_lent.contains(m_listModel->keyOfRow(row)));
    const auto set = [this](const char* name, bool enabled, bool built) {
        if (auto* a = m_listMenu->findChild<QAction*>(QString::fromLatin1(name)))
            a->setEnabled(enabled && built);
    };
    // entries whose windows come later stay disabled whatever the selection
    set("Bearbeiten2", state.edit, true);
    set("Entfernen2", state.remove, true);
    set("Drucken2", true, false);
    set("Detailansicht1", true, false);
    set("Verleihen2", state.lend, false);
    set("Retourniert2", state.giveBack, false);
    if (auto* loans = m_listMenu->findChild<QMenu*>(QStringLiteral("Verleih2")))
        loans->setEnabled(state.loans);
}

void MainWindow::addEntry()
{
    m_addDialog->openForAdd();
}

void MainWindow::editEntry()
{
    const QList<int> rows = m_list->selectedRows();
    if (rows.isEmpty())
        return;
    m_store.haupt().close();
    m_store.sprachen().close();
    m_store.untertitel().close();
    const QStringList listQuery = m_store.haupt().sql();
    m_editDialog->editRow(rows.first(), rows.size() > 1);
    m_store.haupt().setSql(listQuery);
}

void MainWindow::addDialogClosed(const QStringList& savedListQuery)
{
    m_search->clear();
    m_store.haupt().close();
    m_store.haupt().setSql(savedListQuery);
    fillList();
}

void MainWindow::deleteEntries()
{
    const QList<int> rows = m_list->selectedRows();
    if (rows.isEmpty())
        return;
    const QString text = rows.size() == 1 ? QStringLiteral("Der markierte Film wird unwiderruflich gelöscht.")
                                          : QStringLiteral("Die markierten Filme werden unwiderruflich gelöscht.");
    if (m_ctx.boxes->show(this, ui::MessageBoxes::Kind::Warning, text,
                          ui::MessageBoxes::Ok | ui::MessageBoxes::Cancel)
        != ui::MessageBoxes::Ok)
        return;
    QList<int> keys;
    for (int row : rows)
        keys << m_listModel->keyOfRow(row);
    entry::deleteEntries(m_store, m_numbers, keys);
    for (int key : keys)
        m_lent.remove(key); // a deleted entry's loan ends with it
    m_listModel->removeKeys(keys);
    clearshortinfo();
    updateEntryCount();
}

void MainWindow::showSelected()
{
    if (m_infoPanel->loanBoxOpen()) {
        m_infoPanel->collapseLoanBox();
        m_infoPanel->badge()->hide();
    }
    if (m_list->altGr() || m_selectionGuard)
        return;
    const QList<int> rows = m_list->selectedRows();
    const std::optional<int> key = rows.isEmpty() ? std::nullopt : std::optional<int>(m_listModel->keyOfRow(rows.first()));
    if (m_lastShownKey && key == m_lastShownKey)
        return;
    if (rows.size() >= 2) {
        m_list->setSelectionReaction(false); // the panel keeps the entry shown before
        return;
    }
    m_selectionGuard = true;
    struct Release
    {
        bool& guard;
        ~Release() { guard = false; }
    } release{m_selectionGuard};
    m_status[0]->setText(MovieListModel::statusTextFor(m_listModel->rowCount()));
    if (!key)
        m_infoPanel->clear();
    else
        m_infoPanel->showContent(InfoPanel::load(m_store, *key, m_state.coverFolder), false);
    m_lastShownKey = key;
}

void MainWindow::rebuildInfoPanel(int row)
{
    m_infoBusy = true;
    struct Release
    {
        bool& busy;
        ~Release() { busy = false; }
    } release{m_infoBusy};
    m_infoPanel->showContent(InfoPanel::load(m_store, m_listModel->keyOfRow(row), QString(), true), true);
}

void MainWindow::clearshortinfo()
{
    m_infoPanel->clear();
    m_lastShownKey.reset();
}

bool MainWindow::discCheck() const { return m_discCheck->isChecked(); }
bool MainWindow::extendedActorInfos() const { return m_extActorInfos->isChecked(); }

QString MainWindow::statusText(int panel) const { return m_status[panel]->text(); }
int MainWindow::statusPanelWidth(int panel) const { return m_status[panel]->width(); }

void MainWindow::applyLayoutHeights()
{
    const int h = height();
    m_status[1]->setFixedWidth(std::max(0, width() - kStatusPanel0 - 250));
    m_favorites->setFixedHeight(std::max(0, h - 426));
    m_info->setFixedHeight(std::max(0, h - 107));
    m_quicklinks->setFixedHeight(std::max(0, h - 466));
    m_infoPanel->setDescriptionBoxHeight(std::max(0, (h - 529) / 14 * 14));
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (height() < MinimumHeight)
        resize(width(), MinimumHeight);
    applyLayoutHeights();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    shutdown();
    event->accept();
}

void MainWindow::shutdown()
{
    if (m_state.failed || !m_store.database().isConnected())
        return;
    m_list->setSelectionReaction(false);
    command([this] {
        GeometryRow::save(m_store.prg(), isMaximized(), QRect(pos(), size()));
        Startup::saveSettings(*m_ctx.settings, listColumns(), discCheck(), extendedActorInfos(),
                              m_store.haupt().sqlText());
    });
    Startup::releaseCatalog(m_store);
}

void MainWindow::toggleSearchFocus()
{
    if (m_list->hasFocus())
        m_search->setFocus();
    else
        m_list->setFocus();
}

bool MainWindow::handleShortcut(QKeyEvent* event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (mods == Qt::ControlModifier) {
        switch (event->key()) {
        case Qt::Key_S:
            toggleSearchFocus();
            return true;
        case Qt::Key_N:
            command([this] { addEntry(); });
            return true;
        case Qt::Key_B:
            command([this] { editEntry(); });
            return true;
        case Qt::Key_E:
            command([this] { deleteEntries(); });
            return true;
        case Qt::Key_I: // details and printing come with their windows
        case Qt::Key_D:
            return true;
        default:
            return false;
        }
    }
    if (mods == (Qt::ControlModifier | Qt::AltModifier) && event->key() == Qt::Key_A)
        return true; // the drive scan comes with the disc handling
    return false;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Key preview: every key reaches the main window before the focused control.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()
        && static_cast<QWidget*>(watched)->window() == this) {
        bool handled = false;
        command([&] { handled = handleShortcut(static_cast<QKeyEvent*>(event)); });
        if (handled)
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// Quicklinks and the genre list

QString MainWindow::currentTitle() const
{
    const QList<int> rows = m_list->selectedRows();
    const int column = m_listModel->getfieldpos(QStringLiteral("Titel"));
    if (rows.isEmpty() || column < 0)
        return {};
    return m_listModel->cell(rows.first(), column);
}

void MainWindow::manageQuicklinks()
{
    QuicklinksDialog dialog(m_ctx, m_store, this);
    dialog.move(geometry().center() - dialog.rect().center());
    dialog.exec();
    m_quicklinkPanel->rebuild();
}

void MainWindow::editGenres()
{
    entry::GenreListDialog dialog(m_ctx, m_store, this);
    dialog.move(x() + 320, y() + 50);
    dialog.exec();
}

} // namespace korvel::app
