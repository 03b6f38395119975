#pragma once

#include "entry/MovieEntry.h"

#include <QHash>
#include <QWidget>

#include <optional>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QStackedWidget;
class QToolButton;
class QTreeWidget;

namespace korvel::ui {
class HoverLink;
class MessageBoxes;
} // namespace korvel::ui

namespace korvel::entry {

// The form of one movie entry that the add dialog and the edit dialog both show: general
// data, the two pages of additional data, audio tracks, subtitles and the cover block. Every
// control carries the name the dialogs, the lookup and the disc read-in address it by.
class EntryForm : public QWidget
{
    Q_OBJECT

public:
    enum class Variant { Add, Edit };

    explicit EntryForm(Variant variant, QWidget* parent = nullptr);

    Variant variant() const { return m_variant; }

    // General block.
    QLineEdit* number() const { return m_number; } // Edit6
    QLineEdit* title() const { return m_title; }
    QComboBox* genre() const { return m_genre; }
    QLineEdit* actors() const { return m_actors; }
    QLineEdit* director() const { return m_director; }
    QLineEdit* runningTime() const { return m_runningTime; }
    QLineEdit* originalTitle() const { return m_originalTitle; }
    QLineEdit* ean() const { return m_ean; }
    QLineEdit* date() const { return m_date; }
    QPlainTextEdit* description() const { return m_description; }
    // "DVD" page.
    QComboBox* mediumType() const { return m_mediumType; }
    QComboBox* mastering() const { return m_mastering; }
    QComboBox* region() const { return m_region; }
    int pictureStandard() const; // bildtyp item index
    void setPictureStandard(int index);
    int pictureFormat() const; // bildformat item index
    void setPictureFormat(int index);
    QPlainTextEdit* extras() const { return m_extras; }
    QLabel* mediaCount() const { return m_mediaCount; } // "01".."99"
    QLabel* mediaUp() const { return m_mediaUp; }
    QLabel* mediaDown() const { return m_mediaDown; }
    // Second page.
    QLineEdit* producer() const { return m_producer; }
    QLineEdit* screenplay() const { return m_screenplay; }
    QLineEdit* music() const { return m_music; }
    QLineEdit* effects() const { return m_effects; }
    QLineEdit* costumes() const { return m_costumes; }
    QComboBox* ageRating() const { return m_ageRating; }
    QLineEdit* price() const { return m_price; }
    QComboBox* rating() const { return m_rating; }
    QLineEdit* comment() const { return m_comment; }
    QToolButton* commentButton() const { return m_commentButton; }
    // Audio and subtitles.
    QComboBox* audioLanguage() const { return m_audioLanguage; } // ComboBox4
    QComboBox* audioFormat() const { return m_audioFormat; }     // ComboBox5
    QComboBox* channels() const { return m_channels; }           // kanaele
    QTreeWidget* audioList() const { return m_audioList; }       // sprachen
    QComboBox* subtitleLanguage() const { return m_subtitleLanguage; } // ComboBox6
    QComboBox* subtitleAttribute() const { return m_subtitleAttribute; } // ComboBox7
    QTreeWidget* subtitleList() const { return m_subtitleList; } // untertitel
    // Cover block.
    QLabel* cover() const { return m_cover; }
    QLabel* removeCover() const { return m_removeCover; } // coverentfernen

    // The task links beside the two lists (objectNames XPHoverLabel4..7, 10, 11).
    ui::HoverLink* link(const QString& objectName) const;

    // The two tab labels over the additional block, and which page is shown.
    QLabel* tabDvd() const { return m_tabDvd; }     // Label23
    QLabel* tabMovie() const { return m_tabMovie; } // Label24
    void showPage(int page);
    int currentPage() const;

    // Every field back to its state after clearing (Edit6 is left alone).
    void clearFields();
    // The form as a plain value, and back (audio and subtitle rows, cover path included; a
    // request text in the cover label reads as no cover).
    MovieEntry entry() const;
    void setEntry(const MovieEntry& entry);
    void setCoverPath(const QString& path); // empty: the request text after clearing
    QString coverPath() const;
    void setAudioTracks(const QList<AudioTrack>& tracks);
    void setSubtitleTracks(const QList<SubtitleTrack>& tracks);

    // The input rules show their messages through the program's message boxes.
    void setMessageBoxes(ui::MessageBoxes* boxes) { m_boxes = boxes; }
    // Edit dialog: the EAN as loaded, so that an unchanged code is not checked again and a
    // refused one is put back.
    void setEanSnapshot(const std::optional<QString>& snapshot) { m_eanSnapshot = snapshot; }
    // Runs the rules of leaving the field (laufzeit, preis, ean, region, wertung) as if the
    // focus had left it; the save runs them for the field that still has the focus.
    void applyLeavingRule(QWidget* field);
    // Edit dialog: every tracked field takes a snapshot of its text when it receives the
    // focus and reports edited() when it loses it with another text.
    void setChangeTracking(bool on);
    // After loading an entry: the field holding the focus takes its snapshot anew.
    void resetSnapshots();
    // Media counter arrows.
    void mediaCountUp();
    void mediaCountDown();
    void setGenres(const QStringList& names);

    static constexpr int kActiveTabColour = 16244940;   // 0x00BBGGRR: red 204, green 224, blue 247
    static constexpr int kInactiveTabColour = 14540253; // grey 221

signals:
    void tabClicked(int page);
    // A leaving rule ran on the field (the edit dialog compares with its snapshot).
    void fieldLeft(QWidget* field);
    void mediaCountChanged();
    void eanRefused(); // the edit dialog clears its changed flag
    void edited();     // a tracked field was left changed

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* lineEdit(const char* name, int maxLength = 0);
    QComboBox* comboBox(const char* name, const QStringList& items, int maxLength = 0);
    QWidget* buildGeneral();
    QWidget* buildAdditional();
    QWidget* buildAudio();
    QWidget* buildSubtitles();
    QWidget* buildCover();
    void paintTab(QLabel* tab, bool active);
    void recolour(QTreeWidget* list);
    bool filterKey(QObject* watched, QKeyEvent* event);

    QList<QWidget*> trackedFields() const;
    QWidget* trackedFieldOf(QObject* watched) const;
    QString trackedText(QWidget* field) const;

    ui::MessageBoxes* m_boxes = nullptr;
    bool m_tracking = false;
    QHash<QWidget*, QString> m_snapshots;
    QGroupBox* m_pictureStandardBox = nullptr;
    QGroupBox* m_pictureFormatBox = nullptr;
    std::optional<QString> m_eanSnapshot;

    Variant m_variant;
    QLineEdit *m_number, *m_title, *m_actors, *m_director, *m_runningTime, *m_originalTitle, *m_ean,
        *m_date, *m_producer, *m_screenplay, *m_music, *m_effects, *m_costumes, *m_price, *m_comment;
    QComboBox *m_genre, *m_mediumType, *m_mastering, *m_region, *m_ageRating, *m_rating,
        *m_audioLanguage, *m_audioFormat, *m_channels, *m_subtitleLanguage, *m_subtitleAttribute;
    QPlainTextEdit *m_description, *m_extras;
    QButtonGroup *m_pictureStandard, *m_pictureFormat;
    QLabel *m_mediaCount, *m_mediaUp, *m_mediaDown, *m_cover, *m_removeCover, *m_tabDvd, *m_tabMovie;
    QToolButton* m_commentButton;
    QTreeWidget *m_audioList, *m_subtitleList;
    QStackedWidget* m_pages;
};

} // namespace korvel::entry
