#pragma once

// Every timer of the main window with the interval its form gives: X(name, interval).
#define DEFIB_TIMERS(X)                                                                                                \
    X(ELAPSEDSecTIMER, 1000)                                                                                           \
    X(SCENOVERLabelFLASHTimer, 500)                                                                                    \
    X(POWERTIMER2, 150)                                                                                                \
    X(POWERTimer, 2000)                                                                                                \
    X(ResponsivenessTimer, 500)                                                                                        \
    X(Shaketimer, 500)                                                                                                 \
    X(BREATHINGTimer, 2000)                                                                                            \
    X(VENTILATION1Timer, 1000)                                                                                         \
    X(VENTILATION2Timer, 500)                                                                                          \
    X(HIDEBVMTimer, 500)                                                                                               \
    X(PULSETIMER, 2000)                                                                                                \
    X(BPTIMER, 1000)                                                                                                   \
    X(CPRTimer, 300)                                                                                                   \
    X(STANDCLEARAnalyzeTIMER, 500)                                                                                     \
    X(ANALYZINGNOWTimer, 4000)                                                                                         \
    X(STANDCLEARTIMER, 1000)                                                                                           \
    X(ENDAnalyzeTimer, 5000)                                                                                           \
    X(MOTIONDETECTEDTimer, 1000)                                                                                       \
    X(LOWBATTERYINDICATORTIMER, 500)                                                                                   \
    X(CHARGETimer, 3000)                                                                                               \
    X(STANDCLEARShockTimer, 6000)                                                                                      \
    X(PUSHTOSHOCKTimer, 2500)                                                                                          \
    X(FLASHLEDtimer, 500)                                                                                              \
    X(DISARMTimer, 13000)                                                                                              \
    X(SHOCKTimer, 1000)                                                                                                \
    X(PUSHANALYZETimer, 100)                                                                                           \
    X(CHECKFORPULSETimer, 3000)                                                                                        \
    X(IFNOPULSETimer, 3000)                                                                                            \
    X(STARTCPRTimer, 2000)                                                                                             \
    X(AEDCountDownTIMER, 1000)                                                                                         \
    X(PUSHANALYZEafterCPRTIMER, 2000)
