#pragma once
// The about box: the maker's brand, organisation, author, download site,
// e-mail and home page. The header, its icon, the banner and the home-page
// label open the home page; the e-mail label writes a mail.

#include <functional>
#include <string>

#include <QDialog>

class QPushButton;

namespace vomel::gui {

class ClickableLabel;

class AboutDialog : public QDialog {
    Q_OBJECT

public:
    using OpenAddress = std::function<void(const std::string& address)>;

    explicit AboutDialog(OpenAddress openAddress, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void openHomepage();
    void writeMail();

    OpenAddress openAddress_;
    bool placed_ = false;

    ClickableLabel* banner = nullptr;
    ClickableLabel* bannerIcon = nullptr;
    ClickableLabel* bannerText = nullptr;
    ClickableLabel* homepageLabel = nullptr;
    ClickableLabel* mailLabel = nullptr;
    QPushButton* okButton = nullptr;
};

}  // namespace vomel::gui
