#include "entry/EntryForm.h"

#include "entry/DomainLists.h"
#include "entry/EntryRules.h"
#include "entry/TrackRows.h"
#include "ui/MessageBoxes.h"
#include "ui/TaskPanel.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace korvel::entry {

namespace {
QColor fromColourRef(int ref) { return QColor(ref & 0xFF, (ref >> 8) & 0xFF, (ref >> 16) & 0xFF); }

QTreeWidget* trackList(QWidget* parent, const char* name, std::initializer_list<int> widths)
{
    auto* list = new QTreeWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setColumnCount(int(widths.size()));
    list->setHeaderHidden(true);
    list->setRootIsDecorated(false);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    int i = 0;
    for (int w : widths)
        list->setColumnWidth(i++, w);
    return list;
}
} // namespace

EntryForm::EntryForm(Variant variant, QWidget* parent) : QWidget(parent), m_variant(variant)
{
    setObjectName(QStringLiteral("EntryForm"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(buildGeneral(), 0, 0);
    grid->addWidget(buildAdditional(), 0, 1);
    grid->addWidget(buildAudio(), 1, 0);
    grid->addWidget(buildSubtitles(), 1, 1);
    grid->addWidget(buildCover(), 0, 2, 2, 1);
    // typing filters, leaving rules and the media arrows
    for (QWidget* w : std::initializer_list<QWidget*>{m_number, m_date, m_price, m_runningTime, m_ean,
                                                      m_region, m_rating, m_mediaUp, m_mediaDown}) {
        w->installEventFilter(this);
        if (auto* e = qobject_cast<QLineEdit*>(w); e && (e == m_number || e == m_date || e == m_price)) {
            // only typed characters: no pasting by menu or dropping
            e->setContextMenuPolicy(Qt::NoContextMenu);
            e->setAcceptDrops(false);
        }
    }
    showPage(0);
    clearFields();
}

QLineEdit* EntryForm::lineEdit(const char* name, int maxLength)
{
    auto* e = new QLineEdit(this);
    e->setObjectName(QString::fromLatin1(name));
    if (maxLength > 0)
        e->setMaxLength(maxLength);
    return e;
}

QComboBox* EntryForm::comboBox(const char* name, const QStringList& items, int maxLength)
{
    auto* c = new QComboBox(this);
    c->setObjectName(QString::fromLatin1(name));
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->addItems(items);
    if (maxLength > 0)
        c->lineEdit()->setMaxLength(maxLength);
    return c;
}

QWidget* EntryForm::buildGeneral()
{
    auto* box = new QGroupBox(QStringLiteral("Allgemeines"), this);
    auto* g = new QGridLayout(box);
    m_number = lineEdit("Edit6");
    m_title = lineEdit("titel", 80);
    m_genre = comboBox("genre", {}, 40);
    m_actors = lineEdit("darsteller");
    m_director = lineEdit("regie", 80);
    m_runningTime = lineEdit("laufzeit", 4);
    m_originalTitle = lineEdit("originaltitel");
    m_ean = lineEdit("ean");
    m_date = lineEdit("datum", 12);
    m_description = new QPlainTextEdit(this);
    m_description->setObjectName(QStringLiteral("beschreibung"));
    m_description->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    const QList<std::pair<const char*, QWidget*>> rows{
        {"Nummer:", m_number},     {"Filmtitel:", m_title},         {"Genre:", m_genre},
        {"Darsteller:", m_actors}, {"Regie:", m_director},          {"Laufzeit:", m_runningTime},
        {"Originaltitel:", m_originalTitle}, {"EAN:", m_ean},       {"Datum:", m_date}};
    int r = 0;
    for (const auto& [caption, widget] : rows) {
        g->addWidget(new QLabel(QString::fromUtf8(caption), box), r, 0);
        g->addWidget(widget, r++, 1);
    }
    if (m_variant == Variant::Edit)
        g->addWidget(new QLabel(QStringLiteral("Beschreibung:"), box), r++, 0, 1, 2);
    g->addWidget(m_description, r, 0, 1, 2);
    return box;
}

QWidget* EntryForm::buildAdditional()
{
    auto* box = new QGroupBox(QStringLiteral("Zusatzinformationen"), this);
    auto* v = new QVBoxLayout(box);
    auto* tabs = new QHBoxLayout;
    m_tabDvd = new QLabel(QStringLiteral("DVD"), box);
    m_tabDvd->setObjectName(QStringLiteral("Label23"));
    m_tabMovie = new QLabel(m_variant == Variant::Add ? QStringLiteral("Movie") : QStringLiteral("Erweitert"), box);
    m_tabMovie->setObjectName(QStringLiteral("Label24"));
    for (QLabel* tab : {m_tabDvd, m_tabMovie}) {
        tab->setAutoFillBackground(true);
        tab->setAlignment(Qt::AlignCenter);
        tab->setCursor(Qt::PointingHandCursor);
        tab->setMinimumWidth(70);
        tab->installEventFilter(this);
        tabs->addWidget(tab);
    }
    tabs->addStretch(1);
    v->addLayout(tabs);
    m_pages = new QStackedWidget(box);
    v->addWidget(m_pages, 1);

    // Page 1: the medium.
    auto* dvd = new QWidget(m_pages);
    auto* g = new QGridLayout(dvd);
    m_mediumType = comboBox("dvdtyp", DomainLists::mediumTypes(), 25);
    m_mediumType->setMaxVisibleItems(12);
    m_mastering = comboBox("mastering", DomainLists::masteringKinds(), 25);
    m_region = comboBox("region", DomainLists::regions());
    g->addWidget(new QLabel(QStringLiteral("Typ:"), dvd), 0, 0);
    g->addWidget(m_mediumType, 0, 1);
    g->addWidget(new QLabel(QStringLiteral("Mastering:"), dvd), 1, 0);
    g->addWidget(m_mastering, 1, 1);
    g->addWidget(new QLabel(QStringLiteral("Region:"), dvd), 2, 0);
    g->addWidget(m_region, 2, 1);
    const auto radios = [&](const char* name, const QString& title, const QStringList& items,
                            QButtonGroup*& group) {
        auto* gb = new QGroupBox(title, dvd);
        gb->setObjectName(QString::fromLatin1(name));
        auto* l = new QHBoxLayout(gb);
        group = new QButtonGroup(gb);
        for (int i = 0; i < items.size(); ++i) {
            auto* rb = new QRadioButton(items[i], gb);
            group->addButton(rb, i);
            l->addWidget(rb);
        }
        return gb;
    };
    m_pictureStandardBox = radios("bildtyp", QStringLiteral("Bild"), DomainLists::pictureStandards(), m_pictureStandard);
    m_pictureFormatBox = radios("bildformat", QStringLiteral("Format"), DomainLists::pictureFormats(), m_pictureFormat);
    g->addWidget(m_pictureStandardBox, 3, 0, 1, 2);
    g->addWidget(m_pictureFormatBox, 4, 0, 1, 2);
    auto* extrasBox = new QGroupBox(QStringLiteral("DVD Extras"), dvd);
    auto* el = new QVBoxLayout(extrasBox);
    m_extras = new QPlainTextEdit(extrasBox);
    m_extras->setObjectName(QStringLiteral("dvdextras"));
    QFont small = m_extras->font();
    small.setPixelSize(9);
    m_extras->setFont(small);
    m_extras->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_extras->setLineWrapMode(m_variant == Variant::Add ? QPlainTextEdit::NoWrap
                                                        : QPlainTextEdit::WidgetWidth);
    el->addWidget(m_extras);
    g->addWidget(extrasBox, 0, 2, 4, 1);
    auto* media = new QGroupBox(QStringLiteral("Medien"), dvd);
    auto* ml = new QHBoxLayout(media);
    m_mediaCount = new QLabel(media);
    m_mediaCount->setObjectName(QStringLiteral("medienanzahl"));
    QFont big = m_mediaCount->font();
    big.setPixelSize(24);
    m_mediaCount->setFont(big);
    auto* arrows = new QVBoxLayout;
    m_mediaUp = new QLabel(QStringLiteral("▲"), media);
    m_mediaDown = new QLabel(QStringLiteral("▼"), media);
    // the add dialog names its arrows Image1/Image2, the edit dialog Image2/Image3
    m_mediaUp->setObjectName(m_variant == Variant::Add ? QStringLiteral("Image1") : QStringLiteral("Image2"));
    m_mediaDown->setObjectName(m_variant == Variant::Add ? QStringLiteral("Image2") : QStringLiteral("Image3"));
    for (QLabel* arrow : {m_mediaUp, m_mediaDown}) {
        arrow->setCursor(Qt::PointingHandCursor);
        arrows->addWidget(arrow);
    }
    ml->addWidget(m_mediaCount);
    ml->addLayout(arrows);
    ml->addWidget(new QLabel(QStringLiteral("Datenträger"), media));
    g->addWidget(media, 4, 2);
    m_pages->addWidget(dvd);

    // Page 2: the people and the collector's data.
    auto* movie = new QWidget(m_pages);
    auto* mg = new QGridLayout(movie);
    m_producer = lineEdit("produzent", 100);
    m_screenplay = lineEdit("drehbuch", 100);
    m_music = lineEdit("musik", 80);
    m_effects = lineEdit("effekte", 100);
    m_costumes = lineEdit("kostueme", 100);
    m_ageRating = comboBox("fsk", DomainLists::ageRatings());
    m_ageRating->view()->setMinimumWidth(40);
    m_price = lineEdit("preis");
    m_price->installEventFilter(this);
    m_rating = comboBox("wertung", DomainLists::ratings());
    m_rating->setMaxVisibleItems(11);
    m_comment = lineEdit("kommentar");
    m_commentButton = new QToolButton(movie);
    m_commentButton->setObjectName(QStringLiteral("kommentarBtn1"));
    m_commentButton->setText(QStringLiteral("…"));
    auto* commentRow = new QHBoxLayout;
    commentRow->addWidget(m_comment, 1);
    commentRow->addWidget(m_commentButton);
    const QList<std::pair<const char*, QWidget*>> rows{
        {"Produzent:", m_producer}, {"Drehbuch:", m_screenplay}, {"Musik:", m_music},
        {"Effekte:", m_effects},    {"Kostüme:", m_costumes},    {"FSK:", m_ageRating},
        {"Preis:", m_price},        {"Wertung:", m_rating}};
    int r = 0;
    for (const auto& [caption, widget] : rows) {
        mg->addWidget(new QLabel(QString::fromUtf8(caption), movie), r, 0);
        mg->addWidget(widget, r++, 1);
    }
    mg->addWidget(new QLabel(QStringLiteral("Kommentar:"), movie), r, 0);
    mg->addLayout(commentRow, r, 1);
    m_pages->addWidget(movie);
    return box;
}

QWidget* EntryForm::buildAudio()
{
    auto* box = new QGroupBox(QStringLiteral("Audio / Sprachen"), this);
    auto* g = new QGridLayout(box);
    m_audioLanguage = comboBox("ComboBox4", DomainLists::languages(), 25);
    m_audioFormat = comboBox("ComboBox5", DomainLists::audioFormats(), 25);
    m_channels = comboBox("kanaele", DomainLists::channels(), 12);
    g->addWidget(new QLabel(QStringLiteral("Sprache:"), box), 0, 0);
    g->addWidget(new QLabel(QStringLiteral("Format:"), box), 0, 1);
    g->addWidget(new QLabel(QStringLiteral("Kanäle:"), box), 0, 2);
    g->addWidget(m_audioLanguage, 1, 0);
    g->addWidget(m_audioFormat, 1, 1);
    g->addWidget(m_channels, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("Vorhandene Tonspuren:"), box), 2, 0, 1, 3);
    m_audioList = trackList(box, "sprachen", {116, 100, 36});
    g->addWidget(m_audioList, 3, 0, 1, 3);
    auto* links = new QVBoxLayout;
    links->addWidget(new ui::HoverLink(QStringLiteral("XPHoverLabel4"), QStringLiteral("Sprache hinzufügen"), box));
    links->addWidget(new ui::HoverLink(QStringLiteral("XPHoverLabel6"), QStringLiteral("Sprache entfernen"), box));
    // the edit dialog's links 10 and 11 step through the entries
    auto* dedupe = new ui::HoverLink(m_variant == Variant::Add ? QStringLiteral("XPHoverLabel10")
                                                               : QStringLiteral("XPHoverLabel12"),
                                     QString(), box);
    dedupe->setPixmap(style()->standardIcon(QStyle::SP_DialogDiscardButton).pixmap(16, 16));
    dedupe->setToolTip(QStringLiteral("Mehrfacheinträge entfernen"));
    links->addWidget(dedupe);
    links->addStretch(1);
    g->addLayout(links, 3, 3);
    return box;
}

QWidget* EntryForm::buildSubtitles()
{
    auto* box = new QGroupBox(QStringLiteral("Untertitel"), this);
    auto* g = new QGridLayout(box);
    m_subtitleLanguage = comboBox("ComboBox6", DomainLists::languages(), 25);
    m_subtitleAttribute = comboBox("ComboBox7", DomainLists::subtitleAttributes(), 25);
    m_subtitleAttribute->view()->setMinimumWidth(180);
    m_subtitleAttribute->setMaxVisibleItems(16);
    g->addWidget(new QLabel(QStringLiteral("Sprache:"), box), 0, 0);
    g->addWidget(new QLabel(QStringLiteral("Attribute:"), box), 0, 1);
    g->addWidget(m_subtitleLanguage, 1, 0);
    g->addWidget(m_subtitleAttribute, 1, 1);
    g->addWidget(new QLabel(QStringLiteral("Vorhandene Untertitel:"), box), 2, 0, 1, 2);
    m_subtitleList = trackList(box, "untertitel", {110, 120});
    g->addWidget(m_subtitleList, 3, 0, 1, 2);
    auto* links = new QVBoxLayout;
    links->addWidget(new ui::HoverLink(QStringLiteral("XPHoverLabel5"), QStringLiteral("Untertitel hinzufügen"), box));
    links->addWidget(new ui::HoverLink(QStringLiteral("XPHoverLabel7"), QStringLiteral("Untertitel entfernen"), box));
    auto* dedupe = new ui::HoverLink(m_variant == Variant::Add ? QStringLiteral("XPHoverLabel11")
                                                               : QStringLiteral("XPHoverLabel13"),
                                     QString(), box);
    dedupe->setPixmap(style()->standardIcon(QStyle::SP_DialogDiscardButton).pixmap(16, 16));
    dedupe->setToolTip(QStringLiteral("Mehrfacheinträge entfernen"));
    links->addWidget(dedupe);
    links->addStretch(1);
    g->addLayout(links, 3, 2);
    return box;
}

QWidget* EntryForm::buildCover()
{
    auto* outer = new QGroupBox(QStringLiteral("DVD - Cover"), this);
    auto* v = new QVBoxLayout(outer);
    auto* box = new QGroupBox(QStringLiteral("DVD Cover hinzufügen"), outer);
    auto* h = new QHBoxLayout(box);
    m_cover = new QLabel(box);
    m_cover->setObjectName(QStringLiteral("cover"));
    m_cover->setWordWrap(true);
    m_cover->setCursor(Qt::PointingHandCursor);
    m_cover->setMinimumWidth(120);
    m_removeCover = new QLabel(QStringLiteral("✕"), box);
    m_removeCover->setObjectName(QStringLiteral("coverentfernen"));
    m_removeCover->setCursor(Qt::PointingHandCursor);
    h->addWidget(m_cover, 1);
    h->addWidget(m_removeCover, 0, Qt::AlignTop);
    v->addWidget(box);
    v->addStretch(1);
    return outer;
}

ui::HoverLink* EntryForm::link(const QString& objectName) const
{
    return findChild<ui::HoverLink*>(objectName);
}

int EntryForm::pictureStandard() const { return m_pictureStandard->checkedId(); }
void EntryForm::setPictureStandard(int index)
{
    if (auto* b = m_pictureStandard->button(index))
        b->setChecked(true);
}
int EntryForm::pictureFormat() const { return m_pictureFormat->checkedId(); }
void EntryForm::setPictureFormat(int index)
{
    if (auto* b = m_pictureFormat->button(index))
        b->setChecked(true);
}

void EntryForm::paintTab(QLabel* tab, bool active)
{
    QPalette p = tab->palette();
    p.setColor(QPalette::Window, fromColourRef(active ? kActiveTabColour : kInactiveTabColour));
    tab->setPalette(p);
}

void EntryForm::showPage(int page)
{
    m_pages->setCurrentIndex(page);
    paintTab(m_tabDvd, page == 0);
    paintTab(m_tabMovie, page == 1);
}

int EntryForm::currentPage() const { return m_pages->currentIndex(); }

void EntryForm::setGenres(const QStringList& names)
{
    const QString text = m_genre->currentText();
    m_genre->clear();
    m_genre->addItems(names);
    m_genre->setEditText(text);
}

void EntryForm::clearFields()
{
    for (QLineEdit* e : {m_title, m_actors, m_director, m_runningTime, m_originalTitle, m_ean, m_date,
                         m_producer, m_screenplay, m_music, m_effects, m_costumes, m_price, m_comment})
        e->clear();
    m_genre->setEditText(QString());
    m_description->clear();
    m_extras->clear();
    m_mediumType->setCurrentIndex(1);
    m_mastering->setCurrentIndex(0);
    m_region->setCurrentIndex(2);
    setPictureStandard(0);
    setPictureFormat(1);
    m_mediaCount->setText(QStringLiteral("01"));
    m_ageRating->setCurrentIndex(-1);
    m_ageRating->setEditText(QString());
    m_rating->setCurrentIndex(0);
    for (QComboBox* c : {m_audioLanguage, m_audioFormat, m_channels, m_subtitleLanguage, m_subtitleAttribute}) {
        c->setCurrentIndex(-1);
        c->setEditText(QString());
    }
    m_audioList->clear();
    m_subtitleList->clear();
    setCoverPath(QString());
}

void EntryForm::setCoverPath(const QString& path)
{
    m_cover->setText(path.isEmpty() ? kCoverAfterClearing : path);
    m_cover->setToolTip(m_cover->text());
    m_removeCover->setVisible(!path.isEmpty());
}

QString EntryForm::coverPath() const
{
    const QString t = m_cover->text();
    return t == kCoverAfterClearing || t == kCoverOnOpening ? QString() : t;
}

void EntryForm::recolour(QTreeWidget* list)
{
    // even rows cream, odd rows white
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = list->topLevelItem(i);
        QStringList cells;
        for (int c = 0; c < list->columnCount(); ++c)
            cells << item->text(c);
        for (int c = 0; c < list->columnCount(); ++c) {
            item->setBackground(c, i % 2 == 0 ? QColor(255, 251, 240) : QColor(Qt::white));
            item->setToolTip(c, TrackRows::hint(cells));
        }
    }
}

void EntryForm::setAudioTracks(const QList<AudioTrack>& tracks)
{
    m_audioList->clear();
    for (const AudioTrack& t : tracks)
        new QTreeWidgetItem(m_audioList, {t.sprache, t.tonformat, t.kanaele});
    recolour(m_audioList);
}

void EntryForm::setSubtitleTracks(const QList<SubtitleTrack>& tracks)
{
    m_subtitleList->clear();
    for (const SubtitleTrack& t : tracks)
        new QTreeWidgetItem(m_subtitleList, {t.sprache, t.attribute});
    recolour(m_subtitleList);
}

MovieEntry EntryForm::entry() const
{
    MovieEntry e;
    e.nummer = m_number->text();
    e.titel = m_title->text();
    e.genre = m_genre->currentText();
    e.darsteller = m_actors->text();
    e.regie = m_director->text();
    e.laufzeit = m_runningTime->text();
    e.originaltitel = m_originalTitle->text();
    e.ean = m_ean->text();
    e.datum = m_date->text();
    e.beschreibung = m_description->toPlainText();
    e.dvdtyp = m_mediumType->currentText();
    e.mastering = m_mastering->currentText();
    e.region = m_region->currentText();
    e.bildtyp = std::max(0, pictureStandard());
    e.bildformat = std::max(0, pictureFormat());
    e.dvdextras = m_extras->toPlainText();
    e.medienanzahl = m_mediaCount->text();
    e.produzent = m_producer->text();
    e.drehbuch = m_screenplay->text();
    e.musik = m_music->text();
    e.effekte = m_effects->text();
    e.kostueme = m_costumes->text();
    e.fsk = m_ageRating->currentText();
    e.preis = m_price->text();
    e.wertung = std::max(0, EntryRules::ratingRule(m_rating->currentText()));
    e.kommentar = m_comment->text();
    e.cover = coverPath();
    for (int i = 0; i < m_audioList->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* it = m_audioList->topLevelItem(i);
        e.audio.append({it->text(0), it->text(1), it->text(2)});
    }
    for (int i = 0; i < m_subtitleList->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* it = m_subtitleList->topLevelItem(i);
        e.subtitles.append({it->text(0), it->text(1)});
    }
    return e;
}

void EntryForm::setEntry(const MovieEntry& e)
{
    m_number->setText(e.nummer);
    m_title->setText(e.titel);
    m_genre->setEditText(e.genre);
    m_actors->setText(e.darsteller);
    m_director->setText(e.regie);
    m_runningTime->setText(e.laufzeit);
    m_originalTitle->setText(e.originaltitel);
    m_ean->setText(e.ean);
    m_date->setText(e.datum);
    m_description->setPlainText(e.beschreibung);
    m_mediumType->setEditText(e.dvdtyp);
    m_mastering->setEditText(e.mastering);
    m_region->setCurrentIndex(m_region->findText(e.region, Qt::MatchExactly));
    m_region->setEditText(e.region);
    setPictureStandard(e.bildtyp);
    setPictureFormat(e.bildformat);
    m_extras->setPlainText(e.dvdextras);
    m_mediaCount->setText(e.medienanzahl);
    m_producer->setText(e.produzent);
    m_screenplay->setText(e.drehbuch);
    m_music->setText(e.musik);
    m_effects->setText(e.effekte);
    m_costumes->setText(e.kostueme);
    m_ageRating->setEditText(e.fsk);
    m_price->setText(e.preis);
    m_rating->setCurrentIndex(std::clamp(e.wertung, 0, int(m_rating->count()) - 1));
    m_comment->setText(e.kommentar);
    setCoverPath(e.cover);
    setAudioTracks(e.audio);
    setSubtitleTracks(e.subtitles);
}

QList<QWidget*> EntryForm::trackedFields() const
{
    return {m_title,      m_originalTitle, m_actors,     m_director,   m_music,    m_genre,
            m_date,       m_runningTime,   m_ean,        m_number,     m_description, m_mediumType,
            m_mastering,  m_region,        m_extras,     m_producer,   m_screenplay, m_effects,
            m_costumes,   m_ageRating,     m_price,      m_rating,     m_comment,
            m_pictureStandardBox, m_pictureFormatBox};
}

QWidget* EntryForm::trackedFieldOf(QObject* watched) const
{
    for (QWidget* f : trackedFields()) {
        if (watched == f)
            return f;
        // the radio buttons stand for their group
        if ((f == m_pictureStandardBox || f == m_pictureFormatBox) && watched->parent() == f)
            return f;
    }
    return nullptr;
}

QString EntryForm::trackedText(QWidget* field) const
{
    if (auto* e = qobject_cast<QLineEdit*>(field))
        return e->text();
    if (auto* c = qobject_cast<QComboBox*>(field))
        return c->currentText();
    if (auto* t = qobject_cast<QPlainTextEdit*>(field))
        return t->toPlainText();
    if (field == m_pictureStandardBox)
        return QString::number(pictureStandard());
    if (field == m_pictureFormatBox)
        return QString::number(pictureFormat());
    return {};
}

void EntryForm::setChangeTracking(bool on)
{
    m_tracking = on;
    if (!on)
        return;
    for (QWidget* f : trackedFields()) {
        f->installEventFilter(this);
        for (auto* rb : f->findChildren<QRadioButton*>())
            rb->installEventFilter(this);
    }
}

void EntryForm::resetSnapshots()
{
    m_snapshots.clear();
    if (QWidget* f = QApplication::focusWidget() ? trackedFieldOf(QApplication::focusWidget()) : nullptr)
        m_snapshots[f] = trackedText(f);
}

void EntryForm::mediaCountUp()
{
    const int n = EntryRules::mediaCountValue(m_mediaCount->text(), 1);
    m_mediaCount->setText(EntryRules::mediaCountText(EntryRules::mediaCountUp(n)));
    emit mediaCountChanged();
}

void EntryForm::mediaCountDown()
{
    const int n = EntryRules::mediaCountValue(m_mediaCount->text(), 1);
    m_mediaCount->setText(EntryRules::mediaCountText(EntryRules::mediaCountDown(n)));
    emit mediaCountChanged();
}

void EntryForm::applyLeavingRule(QWidget* field)
{
    if (field == m_runningTime) {
        m_runningTime->setText(EntryRules::runningTimeRule(m_runningTime->text()));
    } else if (field == m_price) {
        const EntryRules::PriceOutcome r = EntryRules::priceRule(m_price->text());
        if (r.showError && m_boxes)
            m_boxes->error(window(), EntryRules::kPriceError);
        m_price->setText(r.text);
    } else if (field == m_ean) {
        const EntryRules::EanOutcome r = EntryRules::eanRule(m_ean->text(), m_eanSnapshot);
        if (r.showError) {
            if (m_boxes)
                m_boxes->error(window(), EntryRules::kEanError);
            if (r.restore) {
                m_ean->setText(*r.restore);
                emit eanRefused();
            }
            m_ean->setFocus();
        }
    } else if (field == m_region) {
        if (m_region->findText(m_region->currentText(), Qt::MatchExactly) < 0)
            m_region->setCurrentIndex(EntryRules::regionRule(m_region->currentText()));
    } else if (field == m_rating) {
        if (m_rating->findText(m_rating->currentText(), Qt::MatchExactly) < 0)
            m_rating->setCurrentIndex(EntryRules::ratingRule(m_rating->currentText()));
    }
}

bool EntryForm::filterKey(QObject* watched, QKeyEvent* event)
{
    const bool digits = watched == m_number || watched == m_date;
    const bool price = watched == m_price;
    if (!digits && !price)
        return false;
    if (event->matches(QKeySequence::Paste))
        return true;
    const QString text = event->text();
    if (text.isEmpty())
        return false; // navigation keys
    const QChar c = text.at(0);
    return digits ? !EntryRules::digitFilter(c) : !EntryRules::priceFilter(c);
}

bool EntryForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && filterKey(watched, static_cast<QKeyEvent*>(event)))
        return true;
    if (m_tracking && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        if (QWidget* field = trackedFieldOf(watched)) {
            if (event->type() == QEvent::FocusIn)
                m_snapshots[field] = trackedText(field);
            else if (m_snapshots.contains(field) && m_snapshots.value(field) != trackedText(field))
                emit edited();
        }
    }
    if (event->type() == QEvent::FocusOut) {
        auto* field = static_cast<QWidget*>(watched);
        if (field == m_runningTime || field == m_price || field == m_ean || field == m_region
            || field == m_rating) {
            emit fieldLeft(field);
            applyLeavingRule(field);
        }
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == m_mediaUp) {
            mediaCountUp();
            return true;
        }
        if (watched == m_mediaDown) {
            mediaCountDown();
            return true;
        }
        if (watched == m_tabDvd || watched == m_tabMovie) {
            const int page = watched == m_tabDvd ? 0 : 1;
            showPage(page);
            emit tabClicked(page);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace korvel::entry
