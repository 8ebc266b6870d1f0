// The labels of the dialogs show their texts as characters: captions and values
// that come from the databases, a file or the modem are never taken as markup.
#include "MainWindowFixture.h"

#include "AboutForm.h"
#include "AdjPower.h"
#include "DataControl.h"
#include "FreqTrim.h"
#include "MasRemSel.h"
#include "PacketSel.h"
#include "PortSel.h"
#include "SIDSel.h"
#include "SupSel.h"

#include <QLabel>

namespace {

class DialogTextTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        ReadModem();
    }

    static void ExpectPlainLabels(const QWidget& dialog)
    {
        const QList<QLabel*> labels = dialog.findChildren<QLabel*>();
        EXPECT_FALSE(labels.isEmpty()) << dialog.objectName().toStdString();
        for (const QLabel* label : labels)
            EXPECT_EQ(label->textFormat(), Qt::PlainText)
                << dialog.objectName().toStdString() << " " << label->objectName().toStdString();
    }
};

}  // namespace

TEST_F(DialogTextTest, EveryDialogsLabelsTakeTheirTextsAsCharacters)
{
    ExpectPlainLabels(form->PortSelForm());
    ExpectPlainLabels(form->SIDSelForm());
    ExpectPlainLabels(form->MasRemSelForm());
    ExpectPlainLabels(form->SupSelForm());
    ExpectPlainLabels(form->FreqTrimForm());
    ExpectPlainLabels(form->AdjPowerForm());
    ExpectPlainLabels(PacketSel(*form));
    ExpectPlainLabels(AboutForm(*form->VersionData, form.get()));
}
