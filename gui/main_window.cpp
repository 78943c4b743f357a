#include "gui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/failure.h"
#include "gui/curve_table_window.h"
#include "gui/help_window.h"
#include "gui/plan_window.h"
#include "gui/stakeout_window.h"
#include "ui/window_texts.h"
#include "session/messages.h"
#include "gui/about_dialog.h"
#include "gui/advert_window.h"
#include "gui/brand.h"
#include "gui/center_window.h"

namespace vomel::gui {

namespace {

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

template <typename Widget>
Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

}  // namespace

Form1::Form1(Platform& platform, Operations& operations, QWidget* parent)
    : QWidget(parent), platform_(platform), operations_(operations), workflow_(platform, operations)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(text(FORM1_CAPTION));
    buildControls();
    connectControls();
    workflow_.setStateListener([this](const WindowState& state) { showState(state); });
}

Form1::~Form1()
{
    delete advert_;
    delete advert1_;
}

void Form1::buildControls()
{
    Frame2 = named(new QGroupBox(text(FRAME2_CAPTION), this), "Frame2");
    Option3 = named(new QRadioButton(text(OPTION3_CAPTION), Frame2), "Option3");
    Option4 = named(new QRadioButton(text(OPTION4_CAPTION), Frame2), "Option4");
    Option3->setChecked(true);
    auto* methodLayout = new QHBoxLayout(Frame2);
    methodLayout->addWidget(Option3);
    methodLayout->addWidget(Option4);
    methodLayout->addStretch(1);

    Frame1 = named(new QGroupBox(text(FRAME1_CAPTION), this), "Frame1");
    Option1 = named(new QRadioButton(text(OPTION1_CAPTION), Frame1), "Option1");
    Option2 = named(new QRadioButton(text(OPTION2_CAPTION), Frame1), "Option2");
    Option1->setChecked(true);

    Label2 = named(new QLabel(text(LABEL2_CAPTION), Frame1), "Label2");
    Text2 = named(new QLineEdit(Frame1), "Text2");
    Text2->setToolTip(text(TEXT2_TOOLTIP));
    Label3 = named(new QLabel(text(LABEL3_CAPTION), Frame1), "Label3");
    Text3 = named(new QLineEdit(Frame1), "Text3");
    Text3->setToolTip(text(TEXT3_TOOLTIP));
    Label4 = named(new QLabel(text(LABEL4_CAPTION), Frame1), "Label4");
    Text4 = named(new QLineEdit(Frame1), "Text4");
    Text4->setToolTip(text(TEXT4_TOOLTIP));
    Text4->setReadOnly(true);
    Label5 = named(new QLabel(text(LABEL5_CAPTION), Frame1), "Label5");
    Text1 = named(new QLineEdit(Frame1), "Text1");
    Text1->setToolTip(text(TEXT1_TOOLTIP));
    Text1->setReadOnly(true);

    const std::pair<QLabel*, QLineEdit*> boxes[] = {
        {Label2, Text2}, {Label3, Text3}, {Label4, Text4}, {Label5, Text1}};
    auto* optionsLayout = new QGridLayout(Frame1);
    optionsLayout->addWidget(Option1, 0, 0, 1, 2);
    optionsLayout->addWidget(Option2, 0, 2, 1, 2);
    int row = 1;
    for (const auto& [caption, box] : boxes) {
        caption->setBuddy(box);
        box->setMinimumWidth(180);
        box->installEventFilter(this);
        optionsLayout->addWidget(caption, row, 0);
        optionsLayout->addWidget(box, row, 1, 1, 3);
        ++row;
    }
    optionsLayout->setColumnStretch(3, 1);

    Label1 = named(new QLabel(this), "Label1");
    Label1->setFrameShape(QFrame::StyledPanel);
    Label1->setMinimumWidth(300);

    Command4 = named(new QPushButton(text(COMMAND4_CAPTION), this), "Command4");
    Command3 = named(new QPushButton(text(COMMAND3_CAPTION), this), "Command3");
    Command2 = named(new QPushButton(text(COMMAND2_CAPTION), this), "Command2");
    xpcmdbutton2 = named(new QPushButton(text(HELP_CAPTION), this), "xpcmdbutton2");
    xpcmdbutton1 = named(new QPushButton(text(MORE_SOFTWARE_CAPTION), this), "xpcmdbutton1");

    curveTableButton = named(new QPushButton(text(CURVE_TABLE_BUTTON_CAPTION), this), "curveTableButton");
    stakeoutButton = named(new QPushButton(text(STAKEOUT_BUTTON_CAPTION), this), "stakeoutButton");

    planButton_ = named(new QPushButton(text(PLAN_BUTTON_CAPTION), this), "PlanButton");
    planButton_->setEnabled(false);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {Command4, Command3, Command2, xpcmdbutton2, xpcmdbutton1}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    // The added windows' buttons sit below the original buttons, apart from them.
    for (QPushButton* button : {curveTableButton, stakeoutButton, planButton_}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }

    auto* left = new QVBoxLayout;
    left->addWidget(Frame2);
    left->addWidget(Frame1);
    left->addWidget(Label1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);
}

void Form1::connectControls()
{
    connect(Option3, &QRadioButton::clicked, this,
            [this] { workflow_.selectMethod(MethodChoice::IntersectionPoint); });
    connect(Option4, &QRadioButton::clicked, this,
            [this] { workflow_.selectMethod(MethodChoice::Element); });
    connect(Option1, &QRadioButton::clicked, this, [this] { workflow_.selectSingleCoordinate(); });
    connect(Option2, &QRadioButton::clicked, this, [this] { workflow_.selectCoordinateFile(); });

    connect(Text2, &QLineEdit::returnPressed, Text3, [this] { Text3->setFocus(Qt::TabFocusReason); });
    connect(Text3, &QLineEdit::returnPressed, this, &Form1::compute);

    connect(Command4, &QPushButton::clicked, this, [this] { workflow_.initialise(); });
    connect(Command3, &QPushButton::clicked, this, &Form1::compute);
    connect(Command2, &QPushButton::clicked, this, &Form1::endProgram);
    connect(xpcmdbutton2, &QPushButton::clicked, this, &Form1::showHelp);
    connect(xpcmdbutton1, &QPushButton::clicked, this, &Form1::showMoreSoftware);
    connect(curveTableButton, &QPushButton::clicked, this, &Form1::showCurveTable);
    connect(stakeoutButton, &QPushButton::clicked, this, &Form1::showStakeout);
    connect(planButton_, &QPushButton::clicked, this, &Form1::showPlan);
}

void Form1::startUp()
{
    advert_ = new windows::adfrm;
    connect(advert_, &windows::AdvertWindow::quitRequested, this, &Form1::endProgram);
    advert_->show();
    advert1_ = new windows::ad1frm;
    connect(advert1_, &windows::AdvertWindow::quitRequested, this, &Form1::endProgram);
    advert1_->show();

    helpPath_ = helpIndexForThisProgram();

    adjustSize();
    windows::CenterForm(this);
}

void Form1::showState(const WindowState& state)
{
    Label1->setText(QString::fromStdString(state.status));
    Command3->setEnabled(state.computeEnabled);
    const bool hasLine = operations_.currentLine() != nullptr;
    curveTableButton->setEnabled(hasLine);
    stakeoutButton->setEnabled(hasLine);
    for (QLineEdit* box : {Text1, Text2, Text3, Text4}) box->setEnabled(state.boxesEnabled);
    Text4->setText(QString::fromStdString(state.station));
    Text1->setText(QString::fromStdString(state.offset));
    planButton_->setEnabled(state.computeEnabled);
    if (planWindow_ && planWindow_->isVisible()) refreshPlan();
}

void Form1::showPlan()
{
    if (!planWindow_) planWindow_ = new PlanWindow(platform_, this);
    refreshPlan();
    planWindow_->show();
    planWindow_->raise();
    planWindow_->activateWindow();
}

void Form1::refreshPlan()
{
    try {
        planWindow_->setScene(operations_.planScene(), false);
    } catch (const Failure& failure) {
        // Closed first, so that the next change of state does not ask again.
        planWindow_->hide();
        platform_.showError({PLAN_FAILED, failure.what()});
    }
}

void Form1::compute()
{
    workflow_.compute(Text2->text().toStdString(), Text3->text().toStdString());
}

void Form1::showHelp()
{
    platform_.showHelp(helpIndexForThisProgram());
}

void Form1::showMoreSoftware()
{
    platform_.openAddress(windows::HOMEPAGE);
    windows::aboutfrm about([this](const std::string& address) { platform_.openAddress(address); }, this);
    about.exec();
}

void Form1::showCurveTable()
{
    const auto line = operations_.currentLine();
    if (!line) return;
    try {
        CurveTableWindow window(platform_, line, this);
        window.exec();
    } catch (const Failure& failure) {
        platform_.showError({MSG_COMPUTE_FORMAT, failure.what()});
    }
}

void Form1::showStakeout()
{
    const auto line = operations_.currentLine();
    if (!line) return;
    StakeoutWindow window(platform_, line, this);
    window.exec();
}

void Form1::endProgram()
{
    emit quitRequested();
    closeAdverts();
    close();
    QCoreApplication::quit();
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box != nullptr && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        QPalette palette = box->palette();
        if (event->type() == QEvent::FocusIn) {
            palette.setColor(QPalette::Base, focusColour());
            // After the click that gave the focus has placed the cursor.
            QTimer::singleShot(0, box, &QLineEdit::selectAll);
        } else {
            palette.setColor(QPalette::Base, QApplication::palette(box).color(QPalette::Base));
        }
        box->setPalette(palette);
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::closeEvent(QCloseEvent* event)
{
    // Closing the main window ends the program: the advert windows go too.
    closeAdverts();
    QWidget::closeEvent(event);
}

void Form1::closeAdverts()
{
    // close(), not delete: this may run inside a click of an advert window.
    if (advert_) advert_->close();
    if (advert1_) advert1_->close();
}

}  // namespace vomel::gui
