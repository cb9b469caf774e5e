#pragma once

#include "courses/courseedit.h"
#include "platform/formwindow.h"
#include "platform/qtforward.h"

#include <array>
#include <filesystem>

namespace greenfold {

struct ProgramState;
class SpinButton;

// The course window: adds a course (newcourse) or edits course c, then writes the whole
// course file.
class CourseWindow : public FormWindow {
    Q_OBJECT

  public:
    CourseWindow(ProgramState& model, Services& services, std::filesystem::path datadir, int c,
                 QWidget* mainwindow);

    // Prepares the course and shows the window. When the course list has
    // no room for a new course the user is told so and the window closes.
    void load() override;
    void save();

    // The window as it stands, for the rules.
    CourseForm form() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* buildpars();
    QWidget* buildratings();
    void showform(const CourseForm& f);
    void parchanged(int hole);
    QLineEdit* numberbox(QWidget* parent, const QString& name);
    bool boxtyped(const std::array<QLineEdit*, 19>& row, QObject* watched, QChar typed);
    void stepper(SpinButton* spin, QLabel* panel, bool rating);
    void shownotes();

    ProgramState& g_;
    std::filesystem::path datadir_;
    int course_; // newcourse when adding
    QLineEdit* nametext_;
    QLineEdit* initialstext_;
    std::array<QLineEdit*, 19> partext_{};
    std::array<QLineEdit*, 19> sitext_{};
    QLabel* outlabel_ = nullptr;
    QLabel* inlabel_ = nullptr;
    QLabel* totallabel_ = nullptr;
    std::array<QLabel*, 4> ratepanel_{};
    std::array<QLabel*, 4> slopepanel_{};
    std::array<QLabel*, 4> ratingnote_{};
};

} // namespace greenfold
