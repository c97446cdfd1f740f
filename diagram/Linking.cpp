#include "Linking.h"

void CopyToRow(const RowCells& row, int position)
{
    TEdit* own = row[static_cast<std::size_t>(position - 1)];
    for (TEdit* other : row)
        if (other != own)
            other->SetText(own->Text());
}
