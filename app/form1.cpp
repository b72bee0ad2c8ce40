#include "app/form1.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>

#include "app/clickable_picture.h"
#include "app/fit_text.h"
#include "app/picture_reader.h"
#include "app/start_entry.h"
#include "app/twips.h"
#include "app/window_texts.h"
#include "categories/category_table.h"

namespace quelvarinox::app {

namespace {

// The controls that take the focus, in the order Tab visits them.
constexpr std::array tab_order{ViewControl::Text1, ViewControl::Command1, ViewControl::Combo1, ViewControl::Image1};

QString text_of(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

QLabel* make_label(QWidget* parent, const char* name, const QRect& geometry, const char* text)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

void make_blue(QWidget* widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    widget->setPalette(palette);
}

// The design's font where the system has it, else a plain sans-serif one: left
// to itself, fontconfig may stand a symbol font in for a missing "Impact".
QFont font_of(const char* family, qreal points)
{
    QFont font;
    font.setFamilies({QString::fromLatin1(family), QStringLiteral("DejaVu Sans"), QStringLiteral("Nimbus Sans"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Sans Serif")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    return font;
}

}  // namespace

Form1::Form1(detail::RandomSource& random, QWidget* parent) : QMainWindow(parent), random_(random), ctx_(random)
{
    setWindowTitle(QString::fromUtf8(window_caption));
    setWindowIcon(QIcon(QStringLiteral(":/dibujos/plnt_planeta.jpg")));
    build_controls();
    build_menus();
    Form_Load();
}

void Form1::build_controls()
{
    auto* client = new QWidget(this);
    setCentralWidget(client);

    Combo1 = new QComboBox(client);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setGeometry(twips_rect(120, 120, 1935, 315));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setCompleter(nullptr);

    Command1 = new QPushButton(QString::fromUtf8(generate_caption), client);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twips_rect(2280, 120, 1455, 495));
    Command1->setFont(font_of("Impact", 14.25));

    Text1 = new QLineEdit(client);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(twips_rect(120, 720, 3855, 285));

    Image1 = new ClickablePicture(client);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(twips_rect(4080, 120, 1320, 1125));

    DescrLab = make_label(client, "DescrLab", twips_rect(120, 480, 3735, 1815), "");
    Label1 = make_label(client, "Label1", twips_rect(720, 1080, 2535, 495), web_address);
    Label1->setFont(font_of("MS Sans Serif", 9.75));
    make_blue(Label1);
    Ayu1 = make_label(client, "Ayu1", twips_rect(120, 120, 4335, 1095), help_text_1);
    Ayu2 = make_label(client, "Ayu2", twips_rect(120, 1200, 4335, 2055), help_text_2);
    Acer1 = make_label(client, "Acer1", twips_rect(120, nearest_pixel(100), 4335, 1215), credits_text);
    Acer2 = make_label(client, "Acer2", twips_rect(120, nearest_pixel(1300), 4335, 495), new_versions_text);
    Acer3 = make_label(client, "Acer3", twips_rect(120, 1740, 4335, 255), web_address);
    make_blue(Acer3);

    for (QLabel* fixed_text : {Label1, Ayu1, Ayu2, Acer1, Acer2, Acer3})
        fit_text(*fixed_text, fixed_text->font());
    for (const AccessibleText& text : accessible_texts) {
        auto* control = client->findChild<QWidget*>(QString::fromLatin1(text.control));
        control->setAccessibleName(QString::fromUtf8(text.name));
        control->setAccessibleDescription(QString::fromUtf8(text.description));
    }

    view_controls_ = {Combo1, Text1, Label1, Command1, Image1, DescrLab, Ayu1, Ayu2, Acer1, Acer2, Acer3};

    for (std::size_t i = 1; i < tab_order.size(); ++i)
        setTabOrder(view_control(tab_order[i - 1]), view_control(tab_order[i]));

    // Typing runs Combo1_Change; a pick from the list runs Combo1_Click alone,
    // although Qt rewrites the edit text on the way.
    connect(Combo1->lineEdit(), &QLineEdit::textEdited, this, &Form1::Combo1_Change);
    connect(Combo1, &QComboBox::activated, this, &Form1::Combo1_Click);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Image1, &ClickablePicture::clicked, this, &Form1::Image1_Click);
}

void Form1::build_menus()
{
    QMenuBar* bar = menuBar();
    bar->setNativeMenuBar(false);
    // Narrow padding keeps all five commands on the bar of the narrower views.
    bar->setStyleSheet(QStringLiteral("QMenuBar { spacing: 0px; } QMenuBar::item { padding: 2px 4px; }"));
    bar->setAccessibleName(QString::fromUtf8(menu_bar_name));
    bar->setAccessibleDescription(QString::fromUtf8(menu_bar_description));
    // The "&" marks each command's key for Alt: P, A, D, C and S.
    const auto add_command = [this, bar](const char* name, const char* caption, void (Form1::*handler)()) {
        QAction* action = bar->addAction(QString::fromUtf8(caption));
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, handler);
    };
    add_command("Mnu_Ppal", "&Principal", &Form1::Mnu_Ppal_Click);
    add_command("Mnu_Ayuda", "&Ayuda", &Form1::Mnu_Ayuda_Click);
    add_command("Mnu_Descr", "&Descripcion", &Form1::Mnu_Descr_Click);
    add_command("Mnu_Acerca", "A&cerca de", &Form1::Mnu_Acerca_Click);
    add_command("Mnu_Salir", "&Salir", &Form1::Mnu_Salir_Click);

    // The menu bar keeps its five commands: a grammar file is opened from the
    // category list's own menu, or with Ctrl+O anywhere in the window.
    Mnu_Gramatica = new QAction(QString::fromUtf8(open_grammar_caption), this);
    Mnu_Gramatica->setObjectName(QStringLiteral("Mnu_Gramatica"));
    Mnu_Gramatica->setShortcut(QKeySequence::Open);
    Mnu_Gramatica->setShortcutContext(Qt::WindowShortcut);
    addAction(Mnu_Gramatica);
    connect(Mnu_Gramatica, &QAction::triggered, this, &Form1::Mnu_Gramatica_Click);
    Combo1->lineEdit()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Combo1->lineEdit(), &QLineEdit::customContextMenuRequested, this, &Form1::show_combo_menu);
}

void Form1::Form_Load()
{
    Principaliza();
    const auto categories = detail::category_table();
    for (const Category& category : categories)
        Combo1->addItem(text_of(category.display_text));
    // Filling the list selects its first item; the text starts empty.
    Combo1->setCurrentIndex(-1);
    const std::size_t start = draw_start_entry(random_, categories.size());
    set_combo_text(text_of(categories[start - 1].display_text));
}

void Form1::Principaliza() { show_view(views::main); }
void Form1::Mnu_Ppal_Click() { Principaliza(); }
void Form1::Mnu_Ayuda_Click() { show_view(views::help); }
void Form1::Mnu_Descr_Click() { show_view(views::description); }
void Form1::Mnu_Acerca_Click() { show_view(views::about); }
void Form1::Mnu_Salir_Click() { QCoreApplication::exit(0); }

void Form1::Mnu_Gramatica_Click()
{
    const QString path = QFileDialog::getOpenFileName(this, QString::fromUtf8(open_grammar_caption), QString(),
                                                      QString::fromUtf8(grammar_file_filter));
    if (!path.isEmpty())
        open_grammar(path);
}

// The line edit's own menu (cut, copy, paste…) with «Abrir gramática…» after it.
void Form1::show_combo_menu(const QPoint& where)
{
    QMenu* menu = Combo1->lineEdit()->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addSeparator();
    menu->addAction(Mnu_Gramatica);
    menu->popup(Combo1->lineEdit()->mapToGlobal(where));
}

void Form1::open_grammar(const QString& path)
{
    std::string mistakes;
    const Category* opened = opened_.open(path.toStdString(), mistakes);
    if (!opened) {
        auto* box = new QMessageBox(QMessageBox::Warning, QString::fromUtf8(open_grammar_caption),
                                    QString::fromUtf8(grammar_not_opened_text), QMessageBox::Ok, this);
        box->setObjectName(QStringLiteral("GrammarMistakes"));
        box->setInformativeText(QString::fromStdString(mistakes));
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
        return;
    }
    const QString text = text_of(opened->display_text);
    const int listed = Combo1->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (listed < 0)
        Combo1->addItem(text);
    if (Combo1->currentText() == text)
        Tirarraza();
    else
        set_combo_text(text);
}

const Category* Form1::find_entry(const QString& text) const
{
    const std::string utf8 = text.toStdString();
    if (const Category* builtin = detail::find_category(utf8))
        return builtin;
    return opened_.find(utf8);
}

void Form1::Combo1_Change() { Tirarraza(); }
void Form1::Combo1_Click() { Tirarraza(); }
void Form1::Command1_Click() { Tirarraza(); }

// Anything but "0" turns the mode off; "0" turns it on.
void Form1::Image1_Click() { ctx_.huevo.assign(1, ctx_.huevo != "0" ? '0' : '1'); }

void Form1::Tirarraza()
{
    const Category* entry = find_entry(Combo1->currentText());
    if (!entry)
        set_combo_text(text_of(detail::fallback_category().display_text));
    show_picture(entry ? *entry : detail::fallback_category());

    entry = find_entry(Combo1->currentText());
    if (entry) {
        // Keeping the list's current item on the text stops Qt from reporting a
        // pick of its own when editing ends on a text that names another item.
        const auto builtins = detail::category_table();
        Combo1->setCurrentIndex(static_cast<int>(opened_.holds(*entry) ? builtins.size() + opened_.index_of(*entry)
                                                                        : entry - builtins.data()));
        const detail::Refusal refusal = detail::make_name(*entry, ctx_, name_);
        if (refusal) {
            name_.clear();
            auto* box = new QMessageBox(QMessageBox::Warning, text_of(entry->display_text),
                                        QString::fromUtf8(name_refused_text), QMessageBox::Ok, this);
            box->setObjectName(QStringLiteral("NameRefused"));
            box->setInformativeText(QString::fromStdString(detail::refusal_text(*entry->grammar, refusal) + "."));
            box->setAttribute(Qt::WA_DeleteOnClose);
            box->open();
        }
        Text1->setText(QString::fromStdString(name_));
        // A name wider than the box shows from its first letter.
        Text1->setCursorPosition(0);
        DescrLab->setText(text_of(entry->description));
        fit_text(*DescrLab, centralWidget()->font());
    }
    emit dispatched();
}

void Form1::set_combo_text(const QString& text)
{
    if (Combo1->currentText() == text)
        return;
    Combo1->setEditText(text);
    Combo1_Change();
}

void Form1::show_picture(const Category& category)
{
    const QString file = QString::fromStdString(detail::picture_file_name(category));
    // The picture beside the current directory wins; the copy built into the
    // program stands in when that one is missing or broken.
    QImage picture = read_picture(QStringLiteral("./dibujos/") + file);
    if (picture.isNull())
        picture = read_picture(QStringLiteral(":/dibujos/") + file);
    // A grammar of one's own without a picture of its own shows the program's.
    if (picture.isNull() && opened_.holds(category))
        picture = read_picture(QStringLiteral(":/dibujos/plnt_planeta.jpg"));
    if (picture.isNull()) {
        Image1->clear();
        return;
    }
    Image1->setPixmap(QPixmap::fromImage(std::move(picture)));
    Image1->resize(Image1->pixmap().deviceIndependentSize().toSize());
}

void Form1::show_view(const View& view)
{
    outer_size_ = view.outer_size;
    fit_outer_size();
    for (std::size_t i = 0; i < view_control_count; ++i)
        view_controls_[i]->setVisible(view.shown[i]);
    focus_shown_control(view);
}

// Keys go to the focused control even while it is hidden. When the view hides
// it, the focus moves to the first control of the view in tab order, or to the
// window itself in a view without any.
void Form1::focus_shown_control(const View& view)
{
    const QWidget* focused = focusWidget();
    QWidget* first_shown = nullptr;
    for (const ViewControl control : tab_order) {
        if (!view.shown[static_cast<std::size_t>(control)])
            continue;
        QWidget* widget = view_control(control);
        if (widget == focused || widget->isAncestorOf(focused))
            return;
        if (!first_shown)
            first_shown = widget;
    }
    if (first_shown)
        first_shown->setFocus();
    else
        setFocus();
}

QWidget* Form1::view_control(ViewControl control) const { return view_controls_[static_cast<std::size_t>(control)]; }

void Form1::fit_outer_size()
{
    frame_size_ = frameGeometry().size() - geometry().size();
    resize(outer_size_ - frame_size_);
}

// The frame is known only once the window is on the screen, and a window
// manager may add it later still: the size is fitted again when it appears.
void Form1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    fit_outer_size();
}

void Form1::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    if (frameGeometry().size() - geometry().size() != frame_size_)
        fit_outer_size();
}

}  // namespace quelvarinox::app
