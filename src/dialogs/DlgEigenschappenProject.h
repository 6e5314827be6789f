#pragma once

#include "DlgEigenschappenPaginaItem.h"

#include <memory>

class IGong;

namespace Ui {
class DlgEigenschappenProject;
}

// The properties of the project: name, monitor, the gong, keyboard and
// presenter, the templates of new elements, and its pages in order.
class CDlgEigenschappenProject : public CDlgEigenschappenPaginaItem {
    Q_OBJECT

public:
    // pGong: plays the project's gong; the gong buttons do nothing without one.
    CDlgEigenschappenProject(CDataItemBasis& element, CZerbantikoDoc& doc, IMelder& melder, IOpenBestand& kiezer,
        IGong* pGong, QWidget* pOuder = nullptr);
    ~CDlgEigenschappenProject() override;

    // Appended to the monitor the project remembers, when it is connected.
    static const QString& Onthouden();

protected:
    void VulRijen() override;
    void WerkBedieningBij() override;
    bool ActieLoopt() const override;

private:
    void VulMonitors();
    void MonitorGekozen();
    void KiesGong();
    void WisGong();
    void StartGong();
    void StopGong();
    enum class Sjabloon { Pagina, Tekst, Afbeelding, Kleurvlak };
    void OpenSjabloon(Sjabloon sjabloon);
    void KiesPagina();

    std::unique_ptr<Ui::DlgEigenschappenProject> m_pUi;
    IGong* m_pGong;
    int m_nAantalMonitors = 0;
};
