#include "ui/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QTimer>

#include "game/Rules.h"
#include "ui/BoardSurface.h"
#include "widgets/ClickableLabel.h"
#include "widgets/Fonts.h"
#include "ui/MainLayout.h"
#include "ui/Pictures.h"
#include "ui/TileHolder.h"
#include "widgets/Twips.h"

namespace pelmora {
namespace {

const QColor kPointsColour(192, 64, 0);

enum class Look { A, B };

QLabel* addLabel(QLabel* label, const char* name, const QString& text, layout::Place place) {
    label->setObjectName(name);
    label->setText(text);
    label->setGeometry(twips::rect(place.left, place.top, place.width, place.height));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// Look A: status strip text. Look B: the colour counts.
QLabel* addLabel(QWidget* parent, const char* name, const QString& text, layout::Place place,
                 Look look) {
    auto* label = addLabel(new QLabel(parent), name, text, place);
    label->setFont(fonts::make("MS Sans Serif", look == Look::A ? 9.75 : 18, QFont::Bold));
    QPalette black = label->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(black);
    return label;
}

void addPicture(QWidget* parent, const char* name, const QString& picture, layout::Place place) {
    auto* box = new PictureBox(picture, parent);
    box->setObjectName(name);
    box->setGeometry(twips::rect(place.left, place.top, place.width, place.height));
}

QIcon gameIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 256})
        icon.addFile(QStringLiteral(":/pelmora/icon-%1.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace

MainWindow::MainWindow(SoundPlayer& sound, RandomSource& random)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint),
      host_([this](const Board& board) { paintBoard(board); }, sound),
      game_(host_, random),
      endProgram_([] { QCoreApplication::quit(); }) {
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
    connect(timer1_, &QTimer::timeout, this, [this] {
        game_.Timer1_Timer();
        showTexts();
    });
    dest_ = new BoardSurface(client);
    dest_->setGeometry(twips::rect(layout::kDest.left, layout::kDest.top, layout::kDest.width,
                                   layout::kDest.height));
    connect(dest_, &BoardSurface::pressed, this,
            [this](std::int16_t button, std::int16_t shift, float x, float y) {
                game_.dest_MouseDown(button, shift, x, y);
                showTexts();
            });
    buildTopBands(client);
    buildMenus();
    setFixedSize(client->width(), client->height() + menuBar()->sizeHint().height());

    game_.Form_Load();
    showTexts();
    timer1_->start();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildStatusStrip(QWidget* client) {
    auto* frame = new QFrame(client);
    frame->setObjectName("Frame1");
    frame->setGeometry(twips::rect(layout::kFrame1.left, layout::kFrame1.top,
                                   layout::kFrame1.width, layout::kFrame1.height));
    QPalette white = frame->palette();
    white.setColor(QPalette::Window, Qt::white);
    frame->setPalette(white);
    frame->setAutoFillBackground(true);

    addLabel(frame, "Null", "Selection Value: ", layout::kNull, Look::A);
    auto* selPts = addLabel(frame, "SelPts", "", layout::kSelPts, Look::A);
    addLabel(frame, "Null2", "Current Level: ", layout::kNull2, Look::A);
    auto* lvl = addLabel(frame, "lvl", "1", layout::kLvl, Look::A);
    auto* nmmc = addLabel(frame, "Nmmc", "", layout::kNmmc, Look::A);
    addLabel(frame, "Null3", "Reset Cost:", layout::kNull3, Look::A);
    shownTexts_.push_back({selPts, &StatusTexts::SelPts});
    shownTexts_.push_back({lvl, &StatusTexts::lvl});
    shownTexts_.push_back({nmmc, &StatusTexts::Nmmc});
}

void MainWindow::buildTopBands(QWidget* client) {
    addPicture(client, "Image5", "legend_y", layout::kImage5);
    addPicture(client, "Image4", "legend_g", layout::kImage4);
    addPicture(client, "Image3", "legend_b", layout::kImage3);
    addPicture(client, "Image2", "legend_r", layout::kImage2);

    auto* nextLevel = addLabel(new QLabel(client), "NEXTLEVEL", "NEXT LEVEL:", layout::kNextLevel);
    nextLevel->setFont(fonts::make("Small Fonts", 6.75, QFont::Bold));
    nextLevel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    shownTexts_.push_back({nextLevel, &StatusTexts::NEXTLEVEL});

    shownTexts_.push_back({addLabel(client, "Label12", "25", layout::kLabel12, Look::B), &StatusTexts::Label12});
    shownTexts_.push_back({addLabel(client, "Label10", "25", layout::kLabel10, Look::B), &StatusTexts::Label10});
    shownTexts_.push_back({addLabel(client, "Label8", "25", layout::kLabel8, Look::B), &StatusTexts::Label8});
    shownTexts_.push_back({addLabel(client, "Label6", "25", layout::kLabel6, Look::B), &StatusTexts::Label6});
    auto* total = addLabel(client, "Label4", "", layout::kLabel4, Look::A);
    total->hide();
    shownTexts_.push_back({total, &StatusTexts::Label4});

    auto* levelUp = new ClickableLabel(client);
    addLabel(levelUp, "Label3", "LEVEL UP", layout::kLabel3);
    levelUp->setFont(fonts::make("Arial Black", 20.25, QFont::Black));
    connect(levelUp, &ClickableLabel::clicked, this, [this] {
        game_.Label3_Click();
        showTexts();
    });

    auto* points = addLabel(new QLabel(client), "Pts", "0", layout::kPts);
    points->setFont(fonts::make("Verdana", 18, QFont::Bold));
    points->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QPalette orange = points->palette();
    orange.setColor(QPalette::WindowText, kPointsColour);
    points->setPalette(orange);
    shownTexts_.push_back({points, &StatusTexts::Pts});
}

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("mnuFile");
    QAction* reset = file->addAction("Reset");
    reset->setObjectName("mnuFileNew");
    connect(reset, &QAction::triggered, this, [this] {
        game_.mnuFileNew_Click();
        showTexts();
    });
    file->addSeparator()->setObjectName("sep1");
    QAction* quit = file->addAction("Quit");
    quit->setObjectName("mnuFileQuit");
    connect(quit, &QAction::triggered, this, &MainWindow::mnuFileQuit_Click);

    QMenu* help = menuBar()->addMenu("&Help");
    help->setObjectName("mnuabout");
    QAction* about = help->addAction("How to Play / About Pelmora...");
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

void MainWindow::showTexts() {
    const StatusTexts& texts = game_.texts();
    for (const ShownText& shown : shownTexts_) {
        const QString text = QString::fromStdString(texts.*shown.text);
        if (shown.label->text() != text) shown.label->setText(text);
    }
}

}  // namespace pelmora
