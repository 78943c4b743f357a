#pragma once
// The about box: the maker's brand, organisation, author, download site,
// e-mail and home page. The header, its icon, the banner and the home-page
// label open the home page; the e-mail label writes a mail.

#include <QDialog>
#include <functional>
#include <string>

class QPushButton;

namespace vomel::windows {

class ClickableLabel;

class aboutfrm : public QDialog {
    Q_OBJECT

public:
    using OpenAddress = std::function<void(const std::string& address)>;

    explicit aboutfrm(OpenAddress openAddress, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void openHomepage();
    void writeMail();

    OpenAddress openAddress_;
    bool placed_ = false;

    ClickableLabel* picBGHead = nullptr;
    ClickableLabel* picBGHeadIcon = nullptr;
    ClickableLabel* lblBGHeadInfo1 = nullptr;
    ClickableLabel* Label4 = nullptr;       // home page
    ClickableLabel* lblHomepage = nullptr;  // e-mail
    QPushButton* Command1 = nullptr;
};

}  // namespace vomel::windows
