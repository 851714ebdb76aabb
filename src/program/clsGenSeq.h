#pragma once
// The genetic code of one picture: twelve genes, each created on its first touch.

#include "core/genetics/GeneticCode.h"

#include <QString>

#include <array>
#include <memory>

class clsGenSeq {
public:
    static constexpr int GeneCount = ::GeneCount;

    // The gene itself, shared: changes through it are changes to this genetic code.
    std::shared_ptr<clsGene> GetGene(qint16 tvNo);
    qint16 GetGColorBlue(qint16 tvNo);
    qint16 GetGColorRed(qint16 tvNo);
    qint16 GetGColorGreen(qint16 tvNo);
    bool GetGDone(qint16 tvNo);
    bool GetGDraw(qint16 tvNo);
    qint16 GetGLength(qint16 tvNo);
    qint16 GetGWidth(qint16 tvNo);
    double GetGAngle(qint16 tvNo);
    void SetGAngle(qint16 tvNo, double Value);
    void SetGColorBlue(qint16 tvNo, qint16 Value);
    void SetGColorRed(qint16 tvNo, qint16 Value);
    void SetGColorGreen(qint16 tvNo, qint16 Value);
    void SetGLength(qint16 tvNo, qint16 Value);
    void SetGWidth(qint16 tvNo, qint16 Value);
    void SetGDone(qint16 tvNo, bool Value);
    void SetGDraw(qint16 tvNo, bool Value);

    // Has no effect: genes come into being on first touch.
    void Init();
    // Reads the genes from the genetic code file tvName at the current mutation rate, each trait subject to
    // mutation; a name that is no regular file changes nothing.
    void Load(const QString& tvName);
    // Breeds the genes from the ticked pictures at the current mutation rate.
    void Make();

    // Every gene's traits by value; a read, so untouched genes come into being with their initial values.
    GeneticCode Code();
    // Every gene takes code's traits.
    void SetCode(const GeneticCode& code);

    // Whether slot tvNo holds a gene yet; touches nothing.
    bool HasGene(int tvNo) const;

private:
    clsGene& gene(qint16 tvNo);

    std::array<std::shared_ptr<clsGene>, GeneCount> m_slots;
};
