#include "app/MainWindow.h"

#include "app/Settings.h"
#include "app/WindowGeometry.h"
#include "ui/AppContext.h"
#include "ui/Desktop.h"
#include "ui/MessageBoxes.h"
#include "ui/TaskPanel.h"

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
#include <QStandardItemModel>
#include <QStatusBar>
#include <QToolButton>
#include <QTreeView>
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
    applyLayoutHeights();
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
    m_list = new QTreeView(centre);
    m_list->setObjectName(QStringLiteral("advlistview1"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->header()->setSectionsMovable(false);
    m_list->header()->setStretchLastSection(false);
    m_listModel = new QStandardItemModel(this);
    m_list->setModel(m_listModel);
    centreLayout->addWidget(top);
    centreLayout->addWidget(m_list, 1);
    centreLayout->addWidget(bottom);
    row->addWidget(centre, 1);

    auto* right = new QWidget(central);
    right->setFixedWidth(259);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(8, 12, 12, 12);
    m_info = new ui::TaskBox(QStringLiteral("XPTask3"), QStringLiteral("Details"), right);
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
}

void MainWindow::buildTaskPanel()
{
    m_tasks = m_taskPanel->addBox(QStringLiteral("XPTask1"), QStringLiteral("Aufgaben"));
    m_tasks->setFixedSize(161, 296);
    ui::TaskSection* dvd = m_tasks->addSection(QStringLiteral("DVD"));
    // Commands whose windows are not there yet stay visible but disabled.
    for (const auto& [name, text] : {std::pair{"XPHoverLabel1", "Neu hinzufügen"},
                                     std::pair{"XPHoverLabel2", "Bearbeiten"},
                                     std::pair{"XPHoverLabel3", "Entfernen"},
                                     std::pair{"XPHoverLabel4", "Drucken"}})
        dvd->addLink(QString::fromLatin1(name), QString::fromUtf8(text))->setEnabled(false);

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
    m_searchField->addItem(QStringLiteral("Alle"));
    search->addWidget(m_searchField);

    m_favorites = m_taskPanel->addBox(QStringLiteral("XPTask2"), QStringLiteral("Favoriten"));
    m_favorites->setFixedWidth(161);
    m_quicklinks = new QScrollArea(m_favorites);
    m_quicklinks->setObjectName(QStringLiteral("favoriten"));
    m_quicklinks->setFrameShape(QFrame::NoFrame);
    m_quicklinks->setWidgetResizable(true);
    m_quicklinks->setWidget(new QWidget(m_quicklinks));
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
    entry(file, "LeereDatenbankerstellen1", QStringLiteral("Leere Datenbank erstellen"));
    entry(file, "Datenbankwechseln1", QStringLiteral("Datenbank wechseln"));
    entry(file, "Datenbanksichern1", QStringLiteral("Datenbank sichern"));
    file->addSeparator();
    entry(file, "Programmbeenden1", QStringLiteral("Programm beenden"), [this] { close(); });

    QMenu* movies = menuBar()->addMenu(QStringLiteral("Movies"));
    entry(movies, "Neuhinzufgen1", QStringLiteral("Neu hinzufügen"));
    entry(movies, "Bearbeiten1", QStringLiteral("Bearbeiten"));
    entry(movies, "Entfernen1", QStringLiteral("Entfernen"));

    QMenu* loans = menuBar()->addMenu(QStringLiteral("Verleih"));
    entry(loans, "Verleihen1", QStringLiteral("Verleihen"));
    entry(loans, "Retourniert1", QStringLiteral("Retourniert"));
    entry(loans, "bersicht1", QStringLiteral("Übersicht"));

    QMenu* favorites = menuBar()->addMenu(QStringLiteral("Favoriten"));
    entry(favorites, "Quicklinksverwalten1", QStringLiteral("Quicklinks verwalten"));

    QMenu* wishlist = menuBar()->addMenu(QStringLiteral("Wunschliste"));
    entry(wishlist, "MeineDVDWunschliste1", QStringLiteral("Meine DVD Wunschliste"));

    QMenu* extras = menuBar()->addMenu(QStringLiteral("Extras"));
    entry(extras, "Ansichteinrichten1", QStringLiteral("Ansicht einrichten"));
    entry(extras, "NeuenCoverOrdnerfestlegen1", QStringLiteral("Neuen Cover-Ordner festlegen"));
    QMenu* options = extras->addMenu(QStringLiteral("Optionen"));
    m_discCheck = options->addAction(QStringLiteral("Discwacht"));
    m_discCheck->setObjectName(QStringLiteral("DVDCheck1"));
    m_discCheck->setCheckable(true);
    m_discCheck->setChecked(true);
    QMenu* defaults = options->addMenu(QStringLiteral("Vorgaben"));
    entry(defaults, "Genres1", QStringLiteral("Genres"));
    QMenu* moviedb = options->addMenu(QStringLiteral("MovieDB"));
    m_extActorInfos = moviedb->addAction(QStringLiteral("Erweiterte Darsteller-Infos"));
    m_extActorInfos->setObjectName(QStringLiteral("ErweiterteDarstellerInfos1"));
    m_extActorInfos->setCheckable(true);
    entry(moviedb, "ProxySetup1", QStringLiteral("Proxy-Setup"));
    entry(options, "Datenbankaufrumen1", QStringLiteral("Datenbank aufräumen"));
    entry(options, "Datenbankaktualisieren1", QStringLiteral("Datenbank aktualisieren"));

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
    QStringList headers{keyCaption};
    for (const ListColumn& c : columns)
        headers << c.caption;
    m_listModel->clear();
    m_listModel->setHorizontalHeaderLabels(headers);
    QHeaderView* h = m_list->header();
    h->setMinimumSectionSize(0);
    h->resizeSection(0, 0);
    h->setSectionResizeMode(0, QHeaderView::Fixed);
    for (int i = 0; i < columns.size(); ++i)
        h->resizeSection(i + 1, columns[i].width);
}

QList<ListColumn> MainWindow::listColumns() const
{
    QList<ListColumn> columns;
    const QAbstractItemModel* model = m_list->model();
    for (int i = 1; i < model->columnCount(); ++i)
        columns.append({model->headerData(i, Qt::Horizontal).toString(), m_list->header()->sectionSize(i)});
    return columns;
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
    m_selectionReaction = false;
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
        case Qt::Key_N: // add, edit, delete, details and printing come with their windows
        case Qt::Key_B:
        case Qt::Key_E:
        case Qt::Key_I:
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

} // namespace korvel::app
