#pragma once

#include <array>
#include <string>

#include <QMainWindow>
#include <QSize>

#include "app/opened_grammars.h"
#include "app/views.h"
#include "core/generation_context.h"
#include "core/random_source.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quelvarinox::detail {
struct Category;
}

namespace quelvarinox::app {

class ClickablePicture;
using detail::Category;

// The one window: its controls, its four views and menu bar, and the dispatch
// from the selected category to its picture, a new name and its description.
// Everything that makes names lives in the core; the window only calls it.
class Form1 final : public QMainWindow {
    Q_OBJECT

public:
    // `random` is the one source every generator of the window draws from.
    explicit Form1(detail::RandomSource& random, QWidget* parent = nullptr);

    // The alternative-mode flag, "0" or "1".
    const std::string& huevo() const { return ctx_.huevo; }

    // Adds the grammar file at `path` to the category list and shows it, as
    // «Abrir gramática…» does once a file is chosen; says why when it cannot.
    void open_grammar(const QString& path);

signals:
    // Raised as each run of Tirarraza ends (after the nested run, if any, and its own).
    void dispatched();

protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void build_controls();
    void build_menus();

    void Form_Load();
    void Principaliza();
    void Mnu_Ppal_Click();
    void Mnu_Ayuda_Click();
    void Mnu_Descr_Click();
    void Mnu_Acerca_Click();
    void Mnu_Salir_Click();
    void Mnu_Gramatica_Click();

    void Combo1_Change();
    void Combo1_Click();
    void Command1_Click();
    void Image1_Click();
    void Tirarraza();

    // Sets the text of Combo1; a change of text runs Combo1_Change, as typing does.
    void set_combo_text(const QString& text);
    // The category listed as `text`: a built-in one or an opened grammar.
    const Category* find_entry(const QString& text) const;
    void show_combo_menu(const QPoint& where);
    void show_picture(const Category& category);
    void show_view(const View& view);
    void focus_shown_control(const View& view);
    QWidget* view_control(ViewControl control) const;
    // Resizes so that the outer size, frame included, is the current view's.
    void fit_outer_size();

    detail::RandomSource& random_;
    detail::GenerationContext ctx_;
    std::string name_;
    OpenedGrammars opened_;
    QAction* Mnu_Gramatica;

    QComboBox* Combo1;
    QPushButton* Command1;
    QLineEdit* Text1;
    ClickablePicture* Image1;
    QLabel* DescrLab;
    QLabel* Label1;
    QLabel* Ayu1;
    QLabel* Ayu2;
    QLabel* Acer1;
    QLabel* Acer2;
    QLabel* Acer3;
    // The controls a view shows or hides, in ViewControl order.
    std::array<QWidget*, view_control_count> view_controls_{};

    QSize outer_size_;
    QSize frame_size_;
};

}  // namespace quelvarinox::app
