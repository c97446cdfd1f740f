// The main window: the crossing diagram with its sixteen linked allele cells,
// two free text fields, the static texts and the picture beneath them. Its
// members are its controls; its code is the handlers of their notifications.
#pragma once

#include "toolkit/Form.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/LabeledEdit.h"

class TForm1 : public TForm {
public:
    TLabeledEdit* c2;
    TLabeledEdit* d2;
    TLabeledEdit* b2;
    TLabeledEdit* a2;
    TEdit* c3;
    TEdit* c4;
    TEdit* b3;
    TEdit* a3;
    TEdit* d3;
    TEdit* d4;
    TEdit* b4;
    TEdit* a4;
    TLabeledEdit* c1;
    TLabeledEdit* d1;
    TLabeledEdit* b1;
    TLabeledEdit* a1;
    TEdit* Edit1;
    TEdit* Edit2;
    TImage* Image1;
    TLabel* Man;
    TLabel* Label4;
    TLabel* Label5;
    TLabel* Label6;
    TLabel* Label7;
    TLabel* vrouw;
    TLabel* Label8;

    void a1Change(TObject* Sender);
    void b1Change(TObject* Sender);
    void c1Change(TObject* Sender);
    void d1Change(TObject* Sender);
    void c3Change(TObject* Sender);
    void c2Change(TObject* Sender);
    void c4Change(TObject* Sender);
    void d2Change(TObject* Sender);
    void d3Change(TObject* Sender);
    void d4Change(TObject* Sender);
    void b2Change(TObject* Sender);
    void b3Change(TObject* Sender);
    void b4Change(TObject* Sender);
    void a2Change(TObject* Sender);
    void a3Change(TObject* Sender);
    void a4Change(TObject* Sender);
    void Image1DblClick(TObject* Sender);

    TForm1();
};

extern TForm1* Form1;
