#pragma once

#include "app/Quicklinks.h"
#include "ui/TaskPanel.h"

#include <QIcon>
#include <QList>
#include <QWidget>

#include <functional>

namespace korvel::store {
class CatalogStore;
}

namespace korvel::ui {
struct AppContext;
}

namespace korvel::app {

// One quicklink: a hover link with a 16 by 16 picture at its left; it knows its link key.
class QuicklinkLabel : public ui::HoverLink
{
    Q_OBJECT

  public:
    QuicklinkLabel(const Quicklink& link, QWidget* parent);
    int key() const { return m_key; }
    Quicklinks::Picture picture() const { return m_picture; }
    QIcon icon() const { return m_icon; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int m_key;
    Quicklinks::Picture m_picture;
    QIcon m_icon;
};

// The column of quicklink labels of one window (form number 0, 1 or 2). Clicking a label
// puts the current title into the link's target and hands it to the desktop. The content
// scrolls by a wheel offset; with ownWheel the panel turns the wheel itself, otherwise its
// window does and sets the offset.
class QuicklinkPanel : public QWidget
{
    Q_OBJECT

  public:
    QuicklinkPanel(ui::AppContext& context, store::CatalogStore& store, int formNumber,
                   std::function<QString()> currentTitle, bool ownWheel, QWidget* parent = nullptr);

    // Reads the window's links from the catalog and lays out their labels from the top.
    void rebuild();
    void clear();
    QList<QuicklinkLabel*> labels() const { return m_labels; }
    int formNumber() const { return m_form; }
    int scrollOffset() const { return m_offset; }
    void setScrollOffset(int offset);
    // Opens the link with that key as a click on its label does.
    void open(int key);

    static QIcon webPicture();
    static QIcon programPicture();
    static QIcon folderPicture();

  protected:
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void placeLabels();

    ui::AppContext& m_ctx;
    store::CatalogStore& m_store;
    int m_form;
    std::function<QString()> m_title;
    bool m_ownWheel;
    int m_offset = 0;
    QList<QuicklinkLabel*> m_labels;
};

} // namespace korvel::app
