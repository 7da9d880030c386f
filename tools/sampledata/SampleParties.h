// The people, offices and places of the sample data set, as the model's records: the building
// owners, architects, constructors and equipment advisers that the sample documents name. The
// reference data of the sample set registers the same people, so that a form and the lists it
// picks from agree.
#pragma once

#include "model/ZnModelConstructor.h"
#include "model/ZnModelDate.h"
#include "model/ZnModelDesigner.h"
#include "model/ZnModelEquipDesigner.h"
#include "model/ZnModelNum.h"
#include "model/ZnModelOwner.h"

namespace sampledata {

// The sample people.
enum SampleOwner { ownerYamada, ownerSakuradai, ownerHigashiyama, ownerEkimaeAd, ownerToubuNamakon, ownerSuzuki };
enum SampleArchitect { architectNakamura, architectKobayashi, architectKato };
enum SampleBuilder { builderYamamoto, builderMatsumoto, builderInoue };

// A code value of one code kind.
template <typename Code> Code MakeCode(LPCTSTR code)
{
    Code value;
    value.SetCode(code);
    return value;
}

// A date of the Heisei era given as a western date (2010 is 平成22年).
ZnModelDate HeiseiDate(int year, int month, int day);
// An address with its postal code in two parts.
JkModelAddress MakeAddress(LPCTSTR postal1, LPCTSTR postal2, LPCTSTR address);
// A name with its katakana reading.
JkModelName MakeName(LPCTSTR name, LPCTSTR reading);
// An issued number with its date and issuer.
ZnModelNum MakeNum(LPCTSTR number, const ZnModelDate& date, LPCTSTR issuer);

ZnModelOwner MakeOwner(SampleOwner owner);
// An architect as designer, supervisor or agent, with the office that employs them.
ZnModelDesigner MakeArchitect(SampleArchitect architect);
ZnModelConstructor MakeConstructor(SampleBuilder builder);
// The one equipment adviser of the sample set.
ZnModelEquipDesigner MakeEquipAdviser();

} // namespace sampledata
