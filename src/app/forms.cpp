#include "forms.h"

#include "app/tform1.h"
#include "app/tform6.h"
#include "catalogs/tform2.h"
#include "catalogs/tform3.h"
#include "catalogs/tform4.h"
#include "platform/ui/errorguard.h"
#include "platform/ui/platform.h"
#include "printing/tform5.h"

void createForms(Platform &platform)
{
    MessageBoxes &boxes = *platform.messages;
    Form1 = new TForm1(platform);
    guarded(boxes, [] { Form1->FormCreate(); });
    Form2 = new TForm2(platform, Form1);
    Form3 = new TForm3(platform, Form1);
    Form4 = new TForm4(platform, Form1->sheet, Form1);
    Form5 = new TForm5(platform, Form1);
    guarded(boxes, [] { Form5->FormCreate(); });
    Form6 = new TForm6(Form1);
}

void destroyForms()
{
    delete Form1;
    Form1 = nullptr;
    Form2 = nullptr;
    Form3 = nullptr;
    Form4 = nullptr;
    Form5 = nullptr;
    Form6 = nullptr;
}
