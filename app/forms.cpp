#include "forms.h"

#include "Unit1.h"
#include "Unit23.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit7.h"
#include "Unit8.h"
#include "Unit9.h"
#include "Unit10.h"
#include "Unit11.h"
#include "Unit14.h"
#include "Unit26.h"
#include "Unit27.h"
#include "Unit28.h"
#include "Unit29.h"
#include "Unit30.h"
#include "Unit31.h"
#include "Unit32.h"
#include "Unit33.h"
#include "Unit34.h"
#include "Unit35.h"
#include "Unit36.h"
#include "Unit37.h"
#include "Unit38.h"
#include "Unit39.h"
#include "Unit40.h"
#include "Unit41.h"
#include "Unit42.h"
#include "Unit43.h"
#include "Unit44.h"
#include "Unit45.h"
#include "Unit46.h"
#include "Unit47.h"
#include "Unit48.h"
#include "Unit49.h"
#include "Unit50.h"
#include "Unit51.h"
#include "Unit303.h"
#include "Unit53.h"
#include "Unit54.h"
#include "Unit55.h"
#include "Unit56.h"
#include "Unit57.h"
#include "Unit58.h"
#include "Unit59.h"
#include "Unit60.h"
#include "Unit61.h"
#include "Unit62.h"
#include "Unit63.h"
#include "Unit65.h"
#include "Unit66.h"
#include "Unit6.h"

namespace {
template <class F>
void destroy(F*& form) {
    delete form;
    form = nullptr;
}
}  // namespace

void createAllForms() {
    zui::createForm(Form1);
    zui::createForm(Form2);
    zui::createForm(Form3);
    zui::createForm(Form4);
    zui::createForm(Form5);
    zui::createForm(Form7);
    zui::createForm(Form8);
    zui::createForm(Form9);
    zui::createForm(Form10);
    zui::createForm(Form11);
    zui::createForm(Form14);
    zui::createForm(Form26);
    zui::createForm(Form27);
    zui::createForm(Form28);
    zui::createForm(Form29);
    zui::createForm(Form30);
    zui::createForm(Form31);
    zui::createForm(Form32);
    zui::createForm(Form33);
    zui::createForm(Form34);
    zui::createForm(Form35);
    zui::createForm(Form36);
    zui::createForm(Form37);
    zui::createForm(Form38);
    zui::createForm(Form39);
    zui::createForm(Form40);
    zui::createForm(Form41);
    zui::createForm(Form42);
    zui::createForm(Form43);
    zui::createForm(Form44);
    zui::createForm(Form45);
    zui::createForm(Form46);
    zui::createForm(Form47);
    zui::createForm(Form48);
    zui::createForm(Form49);
    zui::createForm(Form50);
    zui::createForm(Form51);
    zui::createForm(Form303);
    zui::createForm(Form53);
    zui::createForm(Form54);
    zui::createForm(Form55);
    // The login keeps its values on the production board, above the requests.
    Form55->user_id = [] { return Form45->user_id; };
    Form55->person_id = [] { return Form45->person_id; };
    zui::createForm(Form56);
    zui::createForm(Form57);
    zui::createForm(Form58);
    zui::createForm(Form59);
    zui::createForm(Form60);
    zui::createForm(Form61);
    zui::createForm(Form62);
    zui::createForm(Form63);
    zui::createForm(Form65);
    zui::createForm(Form66);
}

void destroyAllForms() {
    destroy(Form66);
    destroy(Form65);
    destroy(Form63);
    destroy(Form62);
    destroy(Form61);
    destroy(Form60);
    destroy(Form59);
    destroy(Form58);
    destroy(Form57);
    destroy(Form56);
    destroy(Form55);
    destroy(Form54);
    destroy(Form53);
    destroy(Form303);
    destroy(Form51);
    destroy(Form50);
    destroy(Form49);
    destroy(Form48);
    destroy(Form47);
    destroy(Form46);
    destroy(Form45);
    destroy(Form44);
    destroy(Form43);
    destroy(Form42);
    destroy(Form41);
    destroy(Form40);
    destroy(Form39);
    destroy(Form38);
    destroy(Form37);
    destroy(Form36);
    destroy(Form35);
    destroy(Form34);
    destroy(Form33);
    destroy(Form32);
    destroy(Form31);
    destroy(Form30);
    destroy(Form29);
    destroy(Form28);
    destroy(Form27);
    destroy(Form26);
    destroy(Form14);
    destroy(Form11);
    destroy(Form10);
    destroy(Form9);
    destroy(Form8);
    destroy(Form7);
    destroy(Form5);
    destroy(Form4);
    destroy(Form3);
    destroy(Form2);
    destroy(Form23);
    destroy(Form1);
    destroy(DataModule6);
}
