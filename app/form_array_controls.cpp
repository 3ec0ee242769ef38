// The array controls on the venue page: the splay grids, one row per
// cabinet, brought into line with the array type by SetupArrayControls.

#include <QHeaderView>
#include <QTableWidget>

#include "background1.h"
#include "form_build.h"

void TForm1::BuildArrayControls() {
    ArvoStrGrid = formbuild::Named(new QTableWidget(3, 8, VenueTab), "ArvoStrGrid");
    ArvoStrGrid->setGeometry(4, 4, 420, 96);
    ArvoStrGrid->verticalHeader()->setVisible(false);
    BexaStrGrid = formbuild::Named(new QTableWidget(3, 8, VenueTab), "BexaStrGrid");
    BexaStrGrid->setGeometry(4, 104, 420, 0);
    BexaStrGrid->hide();
}

// Filled in with the controls of each array type.
void TForm1::SetupArrayControls() {}
