#pragma once

#include "app/InfoPanelContent.h"

#include <QWidget>

class QAction;
class QLabel;
class QMenu;
class QScrollArea;
class QToolButton;

namespace korvel::ui {
class TaskBox;
}

namespace korvel::app {

// The info panel's controls inside the task box XPTask3 "Details": loan box, cover area,
// heading, the four lines and the description box with its arrows.
class InfoPanelWidget : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kScrollStep = 14;

    explicit InfoPanelWidget(ui::TaskBox* box);

    // Shows an entry. rebuild: after the edit dialog saved it (the loan box stays as it is).
    void showContent(const InfoPanelContent& content, bool rebuild);
    // clearshortinfo: the empty panel with the placeholder picture.
    void clear();

    // Height of the description in a justified label of that width, and the panel's
    // bookkeeping for the width 217 (scroll limit, arrows, offset back to 0).
    int setbeschreibungheight(int width, const QString& text);
    void setDescriptionBoxHeight(int height);

    void toggleLoanBox();
    void collapseLoanBox();
    bool loanBoxOpen() const { return m_loanOpen; }
    void scrollDescription(bool down);
    int descriptionOffset() const { return m_offset; }
    int scrollLimit() const { return m_scrollLimit; }

    QLabel* heading() const { return m_heading; }
    QLabel* line(int n) const; // Label1, Label3, Label4, Label5
    QLabel* description() const { return m_description; }
    QLabel* cover() const { return m_cover; }
    QLabel* placeholder() const { return m_placeholder; }
    QLabel* badge() const { return m_badge; }
    QWidget* loanBox() const { return m_loanBox; }
    QMenu* coverMenu() const { return m_coverMenu; }
    QRect coverDrawnRect() const { return m_coverRect; }

signals:
    // A click on the cover, a caption, a line or the description.
    void detailRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void resetLines();
    void drawCover(const QByteArray& thumbnail);

    QWidget* m_loanBox;
    QLabel* m_badge;
    QToolButton* m_fold;
    QWidget* m_loanBody;
    QLabel* m_loanDate;
    QLabel* m_borrower;
    QLabel* m_remark;
    bool m_loanOpen = false;
    QLabel* m_cover;
    QLabel* m_placeholder;
    QMenu* m_coverMenu;
    QAction* m_preview;
    QAction* m_print;
    QLabel* m_heading;
    QLabel* m_lines[4];
    QLabel* m_descriptionCaption;
    QScrollArea* m_descriptionBox;
    QLabel* m_description;
    QLabel* m_up;
    QLabel* m_down;
    int m_offset = 0;
    int m_scrollLimit = 0;
    QRect m_coverRect;
};

} // namespace korvel::app
