#include <sys/stat.h>

#include <algorithm>

#include "app/fit_text.h"
#include "tests/app/window_fixture.h"

namespace quelvarinox::app::testing {
namespace {

// Three quarters of a JPEG: Qt's reader warns, and gives the picture with its missing rows grey.
QByteArray cut_in_its_scan()
{
    const QByteArray whole = jpeg_of(QSize(120, 90));
    return whole.left(whole.size() * 3 / 4);
}

// A whole JPEG with zeros after its end, `size` bytes in all; the reader takes files up to 4 MiB.
QByteArray padded_jpeg(qsizetype size) { return jpeg_of(QSize(64, 48)).leftJustified(size, '\0'); }
constexpr qsizetype largest_file = 4 * 1024 * 1024;

const struct BrokenFile {
    const char* what;
    void (*make)(const QString& path);
} broken_files[] = {
    {"empty file", [](const QString& path) { write_bytes(path, {}); }},
    {"cut short", [](const QString& path) { write_bytes(path, cut_in_its_scan()); }},
    {"cut short, ending with the end marker", [](const QString& path) {
         write_bytes(path, cut_in_its_scan() + "\xFF\xD9");
     }},
    {"a picture, but not a JPEG", [](const QString& path) {
         QImage(30, 20, QImage::Format_RGB32).save(path, "PNG");
     }},
    {"claims 5000 × 4000 pixels, more than the reader lets a picture take", [](const QString& path) {
         QByteArray bytes = jpeg_of(QSize(8, 8));
         write_bytes(path, bytes.replace(bytes.indexOf("\xFF\xC0") + 5, 4, "\x0F\xA0\x13\x88"));
     }},
    {"larger than any picture", [](const QString& path) { write_bytes(path, padded_jpeg(largest_file + 1)); }},
    {"a fifo nobody writes to", [](const QString& path) { ASSERT_EQ(mkfifo(QFile::encodeName(path), 0600), 0); }},
};

// Every reseed starts the same stream again, so a generator gives the same name at every call: what changes between
// two calls is only what the window passes.
class RepeatingRandom final : public detail::PcgSource {
public:
    RepeatingRandom() { reseed(); }
    void reseed() override { seed_engine(77, ~std::uint64_t{77}); }
};

// The name a generator gives on a source that repeats itself, in one mode.
QString name_in_mode(const Category& category, const char* huevo)
{
    RepeatingRandom random;
    detail::GenerationContext ctx(random);
    ctx.huevo = huevo;
    std::string name;
    make_name(category, ctx, name);
    return QString::fromStdString(name);
}

using Pictures = WindowTest;

// Without the dibujos folder every category shows its built-in picture, and so does a broken file. No text runs past
// its label; one too long for any legible size stops at six points. A repeating source shows which mode the window
// handed over. Bytes after a whole picture, up to the largest file, do not make it broken.
TEST_F(Pictures, EveryCategoryShowsItsPictureOrTheBuiltInOneItsWholeDescriptionAndTheNameOfItsMode)
{
    ASSERT_TRUE(QDir(QStringLiteral("dibujos")).removeRecursively());
    open_window(std::make_unique<RepeatingRandom>());
    const auto expect_whole = [](const QLabel* label) {
        const QRect room(0, 0, label->width(), 100000);
        const QRect needed = QFontMetrics(label->font()).boundingRect(room, Qt::TextWordWrap, label->text());
        EXPECT_TRUE(label->rect().contains(needed)) << qPrintable(label->objectName());
    };
    for (const QLabel* label : window_->centralWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        expect_whole(label);
    QLabel label(QStringList(1000, QStringLiteral("xxxx")).join(QLatin1Char(' ')));
    label.resize(100, 20);
    const QFont base(QStringLiteral("DejaVu Sans"), 10);
    fit_text(label, base);
    EXPECT_DOUBLE_EQ(label.font().pointSizeF(), 6.0);
    EXPECT_EQ(label.font().family(), base.family());
    bool some_reader_changes = false;
    for (const Category& category : detail::category_table()) {
        const std::string_view key = category.picture_key;
        paste_into_combo(text_of(category.display_text));
        EXPECT_FALSE(built_in_size(key).isEmpty()) << key;
        EXPECT_EQ(state().picture, built_in_size(key)) << key;
        expect_whole(control<QLabel>("DescrLab"));
        const QString off = name_in_mode(category, "0");
        EXPECT_EQ(name(), off) << key;
        click("Image1");
        click("Command1");
        const QString on = name_in_mode(category, "1");
        EXPECT_EQ(name(), on) << key;
        some_reader_changes = some_reader_changes || (category.reads_huevo && on != off);
        click("Image1");
    }
    EXPECT_EQ(some_reader_changes, std::ranges::any_of(detail::category_table(), &Category::reads_huevo));

    const Category& shown = detail::category_table().back();
    const QString path = picture_path(shown.picture_key);
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("dibujos")));
    for (const BrokenFile& broken : broken_files) {
        QFile::remove(path);
        broken.make(path);
        click("Command1");
        EXPECT_EQ(state().picture, built_in_size(shown.picture_key)) << broken.what;
        EXPECT_EQ(name(), name_in_mode(shown, "0")) << broken.what;
    }
    for (const QSize size : {QSize(88, 75), QSize(1, 1), QSize(1200, 900)}) {
        write_bytes("picture.jpg", jpeg_of(size) + QByteArray(100, '\0'));
        EXPECT_EQ(read_picture("picture.jpg").size(), size);
    }
    write_bytes("picture.jpg", padded_jpeg(largest_file));
    EXPECT_EQ(read_picture("picture.jpg").size(), QSize(64, 48));
    EXPECT_FALSE(QImage::fromData(cut_in_its_scan(), "JPEG").isNull());
    EXPECT_FALSE(QImage::fromData(cut_in_its_scan() + "\xFF\xD9", "JPEG").isNull());
}

}  // namespace
}  // namespace quelvarinox::app::testing
