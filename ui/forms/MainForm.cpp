#include "MainForm.h"

namespace tallix {

std::string objectName(const ControlRow& row)
{
    std::string name(row.name);
    if (row.index != noIndex)
        name += std::to_string(row.index);
    return name;
}

void click(Calculator& calculator, const ControlRow& row)
{
    switch (row.click) {
    case Click::cmdNum_Click: calculator.cmdNum_Click(row.index); break;
    case Click::cmdDec_Click: calculator.cmdDec_Click(); break;
    case Click::cmdOpp_Click: calculator.cmdOpp_Click(); break;
    case Click::cmdCE_Click: calculator.cmdCE_Click(); break;
    case Click::cmdCancel_Click: calculator.cmdCancel_Click(); break;
    case Click::cmdOper_Click: calculator.cmdOper_Click(row.index); break;
    case Click::cmdPer_Click: calculator.cmdPer_Click(); break;
    case Click::None: break;
    }
}

} // namespace tallix
