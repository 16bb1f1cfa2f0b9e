#include "ui/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QShortcut>
#include <QTimer>
#include <tuple>

#include "game/Rules.h"
#include "ui/BoardAccessible.h"
#include "ui/BoardSurface.h"
#include "ui/FocusAnnouncer.h"
#include "ui/GameWords.h"
#include "ui/MainLayout.h"
#include "ui/Pictures.h"
#include "ui/Spoken.h"
#include "ui/StatusLabelAccessible.h"
#include "ui/TileHolder.h"
#include "widgets/ClickableLabel.h"
#include "widgets/Fonts.h"
#include "widgets/Twips.h"
#include "widgets/WaylandWindows.h"

namespace pelmora {
namespace {

// What assistive technology calls the status labels, so that "4500" is read
// as "Points 4500". NEXTLEVEL's own text says what it is.
const std::pair<const char*, const char*> kSpokenNames[] = {
    {"Pts", QT_TRANSLATE_NOOP("pelmora::MainWindow", "Points")},
    {"SelPts", QT_TRANSLATE_NOOP("pelmora::MainWindow", "Selection value")},
    {"lvl", QT_TRANSLATE_NOOP("pelmora::MainWindow", "Current level")},
    {"Nmmc", QT_TRANSLATE_NOOP("pelmora::MainWindow", "Reset cost")},
    {"Label6", QT_TRANSLATE_NOOP("pelmora::MainWindow", "Red boxes left")},
    {"Label8", QT_TRANSLATE_NOOP("pelmora::MainWindow", "Blue boxes left")},
    {"Label10", QT_TRANSLATE_NOOP("pelmora::MainWindow", "Green boxes left")},
    {"Label12", QT_TRANSLATE_NOOP("pelmora::MainWindow", "Yellow boxes left")},
    {"Label4", QT_TRANSLATE_NOOP("pelmora::MainWindow", "Boxes left")}};

// The key that has the status said.
constexpr Qt::Key kStatusKey = Qt::Key_S;

// Left-aligned from the top, over whatever lies behind it.
QLabel* addLabel(QLabel* label, const char* name, const QString& text, TwipsRect place,
                 const FontSpec& font) {
    label->setObjectName(name);
    // Named before its first text: Qt settles what kind of accessible object
    // a label is as soon as its text first changes.
    for (auto [object, spoken] : kSpokenNames)
        if (qstrcmp(object, name) == 0) label->setAccessibleName(MainWindow::tr(spoken));
    label->setText(text);
    label->setGeometry(place.toPixels());
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(fonts::make(font));
    return label;
}

// Labels without a colour of their own keep the system's text colour.
QLabel* colourText(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

void addPicture(QWidget* parent, const char* name, const QString& picture, TwipsRect place) {
    auto* box = new PictureBox(picture, parent);
    box->setObjectName(name);
    box->setGeometry(place.toPixels());
}

// The sizes a title bar and a task switcher use (see CMakeLists.txt), in
// the raw copies the build compiles in beside the PNGs.
QIcon gameIcon() {
    QIcon icon;
    for (int size : {PELMORA_WINDOW_ICON_SIZES})
        icon.addPixmap(rawPicture(QStringLiteral(":/pelmora/icon-%1.raw").arg(size)));
    return icon;
}

}  // namespace

MainWindow::MainWindow(SoundPlayer& sound, RandomSource& random)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint),
      host_(sound, [this](const Board& board) { paintBoard(board); },
            [this](const StatusTexts& texts) { showTexts(texts); },
            [this](const Outcome& outcome) { tell(outcome); }),
      game_(host_, random),
      endProgram_([] { QCoreApplication::quit(); }) {
    BoardAccessible::install();
    StatusLabelAccessible::install();
    setObjectName("main");
    setWindowTitle("Pelmora");
    setWindowIcon(gameIcon());

    auto* client = new PictureBox("background", this, Qt::black);
    client->setFixedSize(twips::size(layout::kClientWidth, layout::kClientHeight));
    setCentralWidget(client);

    buildStatusStrip(client);
    timer1_ = new QTimer(this);
    timer1_->setObjectName("Timer1");
    timer1_->setInterval(kTickMilliseconds);
    connect(timer1_, &QTimer::timeout, this, [this] { game_.Timer1_Timer(); });
    dest_ = new BoardSurface(client);
    dest_->setGeometry(layout::kDest.toPixels());
    connect(dest_, &BoardSurface::pressed, this,
            [this](std::int16_t button, std::int16_t shift, float x, float y) {
                game_.dest_MouseDown(button, shift, x, y);
            });
    buildTopBands(client);
    buildMenus();
    announcer_ = new FocusAnnouncer(this, dest_);
    // S says the whole status wherever the player is in the window.
    connect(new QShortcut(QKeySequence(kStatusKey), this), &QShortcut::activated, this,
            [this] { announcer_->say(spoken::status(game_.standing())); });
    setFixedSize(client->width(), client->height() + menuBar()->sizeHint().height());
    wayland::frameWindow(*this);

    // The board has the keys from the start; Tab goes on to LEVEL UP.
    setTabOrder(dest_, findChild<ClickableLabel*>("Label3"));
    dest_->setFocus();

    game_.Form_Load();
    timer1_->start();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildStatusStrip(QWidget* client) {
    auto* frame = new QFrame(client);
    frame->setObjectName("Frame1");
    frame->setGeometry(layout::kFrame1.toPixels());
    QPalette fill = frame->palette();
    fill.setColor(QPalette::Window, layout::kFrame1Fill);
    frame->setPalette(fill);
    frame->setAutoFillBackground(true);

    const StatusTexts design;
    const auto status = [&](const char* name, std::string StatusTexts::*text, TwipsRect place) {
        auto* label = addLabel(new QLabel(frame), name, QString::fromStdString(design.*text), place,
                               layout::kStatusFont);
        shownTexts_.push_back({colourText(label, layout::kLabelText), text});
    };
    const auto caption = [&](const char* name, const QString& text, TwipsRect place) {
        colourText(addLabel(new QLabel(frame), name, text, place, layout::kStatusFont), layout::kLabelText);
    };
    caption("Null", tr("Selection Value: "), layout::kSelectionCaption);
    status("SelPts", &StatusTexts::SelPts, layout::kSelPts);
    caption("Null2", tr("Current Level: "), layout::kLevelCaption);
    status("lvl", &StatusTexts::lvl, layout::kLvl);
    status("Nmmc", &StatusTexts::Nmmc, layout::kNmmc);
    caption("Null3", tr("Reset Cost:"), layout::kResetCostCaption);
}

void MainWindow::buildTopBands(QWidget* client) {
    addPicture(client, "Image5", "legend_y", layout::kImage5);
    addPicture(client, "Image4", "legend_g", layout::kImage4);
    addPicture(client, "Image3", "legend_b", layout::kImage3);
    addPicture(client, "Image2", "legend_r", layout::kImage2);

    const StatusTexts design;
    const auto shown = [&](const char* name, std::string StatusTexts::*text, TwipsRect place,
                           const FontSpec& font) {
        auto* label = addLabel(new QLabel(client), name, QString::fromStdString(design.*text), place, font);
        shownTexts_.push_back({label, text});
        return label;
    };
    shown("NEXTLEVEL", &StatusTexts::NEXTLEVEL, layout::kNextLevel, layout::kNextLevelFont)
        ->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    for (auto [name, text, place] : {std::tuple{"Label12", &StatusTexts::Label12, layout::kLabel12},
                                     {"Label10", &StatusTexts::Label10, layout::kLabel10},
                                     {"Label8", &StatusTexts::Label8, layout::kLabel8},
                                     {"Label6", &StatusTexts::Label6, layout::kLabel6}})
        colourText(shown(name, text, place, layout::kCountFont), layout::kLabelText);
    colourText(shown("Label4", &StatusTexts::Label4, layout::kLabel4, layout::kStatusFont), layout::kLabelText)
        ->hide();

    auto* levelUp = new ClickableLabel(client);
    addLabel(levelUp, "Label3", tr("LEVEL UP"), layout::kLabel3, layout::kLevelUpFont);
    connect(levelUp, &ClickableLabel::clicked, this, [this] { game_.Label3_Click(); });

    colourText(shown("Pts", &StatusTexts::Pts, layout::kPts, layout::kPointsFont), layout::kPointsColour)
        ->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName("mnuFile");
    QAction* reset = file->addAction(tr("Reset"));
    reset->setObjectName("mnuFileNew");
    connect(reset, &QAction::triggered, this, [this] { game_.mnuFileNew_Click(); });
    file->addSeparator()->setObjectName("sep1");
    QAction* quit = file->addAction(tr("Quit"));
    quit->setObjectName("mnuFileQuit");
    connect(quit, &QAction::triggered, this, &MainWindow::mnuFileQuit_Click);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName("mnuabout");
    QAction* about = help->addAction(tr("How to Play / About Pelmora..."));
    about->setObjectName("mnuaswitch");
    connect(about, &QAction::triggered, this, &MainWindow::mnuaswitch_Click);
}

void MainWindow::mnuFileQuit_Click() {
    close();
    endProgram_();
}

void MainWindow::mnuaswitch_Click() {
    if (helpCommand_) helpCommand_();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void MainWindow::Form_Unload() {
    timer1_->stop();  // the window is gone: no more ticks
    pic_.reset();
}

void MainWindow::paintBoard(const Board& board) {
    if (!pic_) pic_ = std::make_unique<TileHolder>();
    dest_->drawBoard(board, *pic_);
}

void MainWindow::tell(const Outcome& outcome) {
    const bool boxesWillFall = outcome.removedBoxes > 0 || outcome.what == Outcome::What::Reshuffled;
    announcer_->say(spoken::afterHandler(outcome),
                    boxesWillFall ? FocusAnnouncer::When::Settled : FocusAnnouncer::When::Now);
}

void MainWindow::showTexts(const StatusTexts& texts) {
    for (const ShownText& shown : shownTexts_)
        StatusLabelAccessible::showText(shown.label, gameWords::status(texts.*shown.text));
}

}  // namespace pelmora
