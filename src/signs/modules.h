#pragma once

#include "signs/SignData.h"

// The twelve sign modules. Each owns its sign's record and the one procedure that fills it with
// the sign's compiled profile. Readers reach them through the zodiac table (signs/zodiac.h).

namespace modAries { extern SignData Record; void LoadAriesData(); }
namespace modTaurus { extern SignData Record; void LoadTaurusData(); }
namespace modGemini { extern SignData Record; void LoadGeminiData(); }
namespace modCancer { extern SignData Record; void LoadCancerData(); }
namespace modLeo { extern SignData Record; void LoadLeoData(); }
namespace modVirgo { extern SignData Record; void LoadVirgoData(); }
namespace modLibra { extern SignData Record; void LoadLibraData(); }
namespace modScorpio { extern SignData Record; void LoadScorpioData(); }
namespace modSagittarius { extern SignData Record; void LoadSagittariusData(); }
namespace modCapricorn { extern SignData Record; void LoadCapricornData(); }
namespace modAquarius { extern SignData Record; void LoadAquariusData(); }
namespace modPisces { extern SignData Record; void LoadPiscesData(); }
