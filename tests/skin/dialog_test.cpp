// Dialogs from templates: the end code of a modal run, and what happens without a template.
#include <gtest/gtest.h>

#include "fixtures/fixture_ids.h"
#include "framework/Dialog.h"

namespace {

class EndsAtOnce : public CDialog {
public:
    EndsAtOnce() : CDialog(IDD_TEST_BACKDROP) {}
    bool shown = false;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        EndDialog(7);
        return TRUE;
    }
};

TEST(DoModal, MissingTemplateGivesMinusOne)
{
    CDialog dialog(4242);
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

TEST(DoModal, ReturnsTheEndCodeAndDestroysTheWindow)
{
    EndsAtOnce dialog;
    EXPECT_EQ(dialog.DoModal(), 7);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    // The same object can run again.
    EXPECT_EQ(dialog.DoModal(), 7);
}

TEST(DoModal, OwnerIsDisabledWhileTheDialogRunsAndEnabledAfter)
{
    CDialog owner(IDD_TEST_BACKDROP);
    ASSERT_TRUE(owner.Create(IDD_TEST_BACKDROP));

    class Probe : public CDialog {
    public:
        explicit Probe(CWnd* parent) : CDialog(IDD_TEST_BACKDROP, parent) {}
        BOOL ownerEnabledInside = TRUE;

    protected:
        BOOL OnInitDialog() override
        {
            ownerEnabledInside = IsWindowEnabled(GetWindow(m_hWnd, GW_OWNER));
            EndDialog(IDOK);
            return TRUE;
        }
    } probe(&owner);

    EXPECT_EQ(probe.DoModal(), IDOK);
    EXPECT_FALSE(probe.ownerEnabledInside);
    EXPECT_TRUE(IsWindowEnabled(owner.m_hWnd));
}

}  // namespace
