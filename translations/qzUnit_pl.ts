<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>ExampleWindow</name>
    <message>
        <source>Gauge length</source>
        <translation>Długość pomiarowa</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Średnica</translation>
    </message>
    <message>
        <source>Maximum force</source>
        <translation>Siła maksymalna</translation>
    </message>
    <message>
        <source>Yield strength</source>
        <translation>Granica plastyczności</translation>
    </message>
    <message>
        <source>Test temperature</source>
        <translation>Temperatura badania</translation>
    </message>
    <message>
        <source>Hardness</source>
        <translation>Twardość</translation>
    </message>
    <message>
        <source>Tensile test</source>
        <translation>Próba rozciągania</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Język</translation>
    </message>
    <message>
        <source>Specimen</source>
        <translation>Próbka</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Pomiary</translation>
    </message>
    <message>
        <source>View units</source>
        <translation>Jednostki wyświetlania</translation>
    </message>
</context>
<context>
    <name>XmlReaderWriterBase</name>
    <message>
        <source>Invalid XML element %0: &apos;%1&apos;</source>
        <translation>Nieprawidłowy element XML %0: „%1”</translation>
    </message>
    <message>
        <source>Invalid XML attribute %0: &apos;%1&apos;</source>
        <translation>Nieprawidłowy atrybut XML %0: „%1”</translation>
    </message>
</context>
<context>
    <name>qzUnitAbsorbedDose</name>
    <message>
        <source>Gray</source>
        <translation>Grej</translation>
    </message>
    <message>
        <source>Joule per kilogram</source>
        <translation>Dżul na kilogram</translation>
    </message>
    <message>
        <source>Square meter per square second</source>
        <translation>Metr kwadratowy na sekundę kwadratową</translation>
    </message>
    <message>
        <source>Absorbed dose (of radiation)</source>
        <translation>Dawka pochłonięta (promieniowania)</translation>
    </message>
</context>
<context>
    <name>qzUnitAcceleration</name>
    <message>
        <source>Meter per square second</source>
        <translation>Metr na sekundę kwadratową</translation>
    </message>
    <message>
        <source>Inches per square second</source>
        <translation>Cal na sekundę kwadratową</translation>
    </message>
    <message>
        <source>Feet per square second</source>
        <translation>Stopa na sekundę kwadratową</translation>
    </message>
    <message>
        <source>Inches per minute per second</source>
        <translation>Cal na minutę na sekundę</translation>
    </message>
    <message>
        <source>Feet per minute per second</source>
        <translation>Stopa na minutę na sekundę</translation>
    </message>
    <message>
        <source>Miles per hour per second</source>
        <translation>Mila na godzinę na sekundę</translation>
    </message>
    <message>
        <source>Galileo</source>
        <translation>Gal</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Przyspieszenie</translation>
    </message>
</context>
<context>
    <name>qzUnitAngle</name>
    <message>
        <source>Radian</source>
        <translation>Radian</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Stopień</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Kąt</translation>
    </message>
</context>
<context>
    <name>qzUnitAngularVelocity</name>
    <message>
        <source>Radians per second</source>
        <translation>Radian na sekundę</translation>
    </message>
    <message>
        <source>Revolutions per second</source>
        <translation>Obrót na sekundę</translation>
    </message>
    <message>
        <source>Rps</source>
        <translation>obr/s</translation>
    </message>
    <message>
        <source>Revolutions per minute</source>
        <translation>Obrót na minutę</translation>
    </message>
    <message>
        <source>Rpm</source>
        <translation>obr/min</translation>
    </message>
    <message>
        <source>Revolutions per hour</source>
        <translation>Obrót na godzinę</translation>
    </message>
    <message>
        <source>Rph</source>
        <translation>obr/h</translation>
    </message>
    <message>
        <source>Angle velocity</source>
        <translation>Prędkość kątowa</translation>
    </message>
</context>
<context>
    <name>qzUnitArea</name>
    <message>
        <source>Square meter</source>
        <translation>Metr kwadratowy</translation>
    </message>
    <message>
        <source>Square centimeter</source>
        <translation>Centymetr kwadratowy</translation>
    </message>
    <message>
        <source>Square millimeter</source>
        <translation>Milimetr kwadratowy</translation>
    </message>
    <message>
        <source>Square micrometer</source>
        <translation>Mikrometr kwadratowy</translation>
    </message>
    <message>
        <source>Square kilometer</source>
        <translation>Kilometr kwadratowy</translation>
    </message>
    <message>
        <source>Square foot</source>
        <translation>Stopa kwadratowa</translation>
    </message>
    <message>
        <source>Square inch</source>
        <translation>Cal kwadratowy</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Pole powierzchni</translation>
    </message>
</context>
<context>
    <name>qzUnitAreicElectricalConductivity</name>
    <message>
        <source>per ohm square meter</source>
        <translation>na om metr kwadratowy</translation>
    </message>
    <message>
        <source>per milliohm square meter</source>
        <translation>na miliom metr kwadratowy</translation>
    </message>
    <message>
        <source>per microhm square meter</source>
        <translation>na mikroom metr kwadratowy</translation>
    </message>
    <message>
        <source>per nanoohm square meter</source>
        <translation>na nanoom metr kwadratowy</translation>
    </message>
    <message>
        <source>Electrical contact conductivity</source>
        <translation>Konduktancja elektryczna styku</translation>
    </message>
</context>
<context>
    <name>qzUnitCurrent</name>
    <message>
        <source>Ampere</source>
        <translation>Amper</translation>
    </message>
    <message>
        <source>Milliampere</source>
        <translation>Miliamper</translation>
    </message>
    <message>
        <source>Kiloampere</source>
        <translation>Kiloamper</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Natężenie prądu</translation>
    </message>
</context>
<context>
    <name>qzUnitDensity</name>
    <message>
        <source>Kilograms per cubic meter</source>
        <translation>Kilogram na metr sześcienny</translation>
    </message>
    <message>
        <source>Kilograms per cubic centimeter</source>
        <translation>Kilogram na centymetr sześcienny</translation>
    </message>
    <message>
        <source>Kilograms per cubic millimeter</source>
        <translation>Kilogram na milimetr sześcienny</translation>
    </message>
    <message>
        <source>Pound per cubic foot</source>
        <translation>Funt na stopę sześcienną</translation>
    </message>
    <message>
        <source>Pound per cubic inch</source>
        <translation>Funt na cal sześcienny</translation>
    </message>
    <message>
        <source>Ton per cubic centimeter</source>
        <translation>Tona na centymetr sześcienny</translation>
    </message>
    <message>
        <source>Gram per cubic centimeter</source>
        <translation>Gram na centymetr sześcienny</translation>
    </message>
    <message>
        <source>Megagram per cubic millimeter</source>
        <translation>Megagram na milimetr sześcienny</translation>
    </message>
    <message>
        <source>Gram per cubic meter</source>
        <translation>Gram na metr sześcienny</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Gęstość</translation>
    </message>
</context>
<context>
    <name>qzUnitDiffusivity</name>
    <message>
        <source>Square meters per second</source>
        <translation>Metr kwadratowy na sekundę</translation>
    </message>
    <message>
        <source>Diffusivity</source>
        <translation>Współczynnik dyfuzji</translation>
    </message>
</context>
<context>
    <name>qzUnitDistancePerRevolution</name>
    <message>
        <source>Meter per revolution</source>
        <translation>Metr na obrót</translation>
    </message>
    <message>
        <source>Centimeter per revolution</source>
        <translation>Centymetr na obrót</translation>
    </message>
    <message>
        <source>Millimeter per revolution</source>
        <translation>Milimetr na obrót</translation>
    </message>
    <message>
        <source>Foot per revolution</source>
        <translation>Stopa na obrót</translation>
    </message>
    <message>
        <source>Inch per revolution</source>
        <translation>Cal na obrót</translation>
    </message>
    <message>
        <source>Mile per revolution</source>
        <translation>Mila na obrót</translation>
    </message>
    <message>
        <source>Mil per revolution</source>
        <translation>Mil na obrót</translation>
    </message>
    <message>
        <source>Kilometer per revolution</source>
        <translation>Kilometr na obrót</translation>
    </message>
    <message>
        <source>m/r</source>
        <comment>Einheit Weg pro Umdrehung [m/U]</comment>
        <translation>m/obr</translation>
    </message>
    <message>
        <source>cm/r</source>
        <comment>Einheit Weg pro Umdrehung [cm/U]</comment>
        <translation>cm/obr</translation>
    </message>
    <message>
        <source>mm/r</source>
        <comment>Einheit Weg pro Umdrehung [mm/U]</comment>
        <translation>mm/obr</translation>
    </message>
    <message>
        <source>ft/r</source>
        <comment>Einheit Weg pro Umdrehung [ft/U]</comment>
        <translation>ft/obr</translation>
    </message>
    <message>
        <source>in/r</source>
        <comment>Einheit Weg pro Umdrehung [in/U]</comment>
        <translation>in/obr</translation>
    </message>
    <message>
        <source>mi/r</source>
        <comment>Einheit Weg pro Umdrehung [mi/U]</comment>
        <translation>mi/obr</translation>
    </message>
    <message>
        <source>mil/r</source>
        <comment>Einheit Weg pro Umdrehung [mil/U]</comment>
        <translation>mil/obr</translation>
    </message>
    <message>
        <source>km/r</source>
        <comment>Einheit Weg pro Umdrehung [km/U]</comment>
        <translation>km/obr</translation>
    </message>
    <message>
        <source>Distance per revolution</source>
        <comment>de=Weg pro Umdrehung</comment>
        <translation>Droga na obrót</translation>
    </message>
</context>
<context>
    <name>qzUnitElectricField</name>
    <message>
        <source>Volt/meter</source>
        <translation>Wolt/metr</translation>
    </message>
    <message>
        <source>V/m</source>
        <translation>V/m</translation>
    </message>
    <message>
        <source>Electric field intensity</source>
        <translation>Natężenie pola elektrycznego</translation>
    </message>
</context>
<context>
    <name>qzUnitElectricalConductivity</name>
    <message>
        <source>1 / (Ohm * meter)</source>
        <translation>1 / (om * metr)</translation>
    </message>
    <message>
        <source>1 / (%1Ohm * meter)</source>
        <translation>1 / (%1om * metr)</translation>
    </message>
    <message>
        <source>Electrical conductivity</source>
        <translation>Przewodność elektryczna właściwa</translation>
    </message>
</context>
<context>
    <name>qzUnitElectricalCurrentDensity</name>
    <message>
        <source>Ampere per square meter</source>
        <translation>Amper na metr kwadratowy</translation>
    </message>
    <message>
        <source>Microampere per square meter</source>
        <translation>Mikroamper na metr kwadratowy</translation>
    </message>
    <message>
        <source>Milliampere per square meter</source>
        <translation>Miliamper na metr kwadratowy</translation>
    </message>
    <message>
        <source>Kiloampere per square meter</source>
        <translation>Kiloamper na metr kwadratowy</translation>
    </message>
    <message>
        <source>Megaampere per square meter</source>
        <translation>Megaamper na metr kwadratowy</translation>
    </message>
    <message>
        <source>Current density</source>
        <translation>Gęstość prądu</translation>
    </message>
</context>
<context>
    <name>qzUnitElectricalResistivity</name>
    <message>
        <source>Ohm * meter</source>
        <translation>Om * metr</translation>
    </message>
    <message>
        <source>%1Ohm * meter</source>
        <translation>%1om * metr</translation>
    </message>
    <message>
        <source>Electrical resistivity</source>
        <comment>Electrical resistivity Material specific value, does not depend on other factors like geometry (DO NOT confuse with &apos;Resistance&apos;)</comment>
        <translation>Opór elektryczny właściwy</translation>
    </message>
</context>
<context>
    <name>qzUnitEnergy</name>
    <message>
        <source>Joule</source>
        <translation>Dżul</translation>
    </message>
    <message>
        <source>Kilojoule</source>
        <translation>Kilodżul</translation>
    </message>
    <message>
        <source>Kilowatt hour</source>
        <translation>Kilowatogodzina</translation>
    </message>
    <message>
        <source>Electron volt</source>
        <translation>Elektronowolt</translation>
    </message>
    <message>
        <source>Kilopond meter</source>
        <translation>Kilopondometr</translation>
    </message>
    <message>
        <source>Calorie (IT)</source>
        <translation>Kaloria (IT)</translation>
    </message>
    <message>
        <source>British thermal unit (IT)</source>
        <translation>Brytyjska jednostka ciepła (IT)</translation>
    </message>
    <message>
        <source>Inch-Pound Force</source>
        <translation>Cal-funt-siła</translation>
    </message>
    <message>
        <source>Foot-Pound Force</source>
        <translation>Stopa-funt-siła</translation>
    </message>
    <message>
        <source>Megajoule</source>
        <translation>Megadżul</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energia</translation>
    </message>
</context>
<context>
    <name>qzUnitEnergyDensity</name>
    <message>
        <source>Joule per cubic meter</source>
        <translation>Dżul na metr sześcienny</translation>
    </message>
    <message>
        <source>Microjoule per cubic meter</source>
        <translation>Mikrodżul na metr sześcienny</translation>
    </message>
    <message>
        <source>Millijoule per cubic meter</source>
        <translation>Milidżul na metr sześcienny</translation>
    </message>
    <message>
        <source>Kilojoule per cubic meter</source>
        <translation>Kilodżul na metr sześcienny</translation>
    </message>
    <message>
        <source>Megajoule per cubic meter</source>
        <translation>Megadżul na metr sześcienny</translation>
    </message>
    <message>
        <source>Joule per cubic millimeter</source>
        <translation>Dżul na milimetr sześcienny</translation>
    </message>
    <message>
        <source>Energy density</source>
        <translation>Gęstość energii</translation>
    </message>
</context>
<context>
    <name>qzUnitEnergyLength</name>
    <message>
        <source>Energy input per unit length</source>
        <translation>Energia liniowa</translation>
    </message>
</context>
<context>
    <name>qzUnitForce</name>
    <message>
        <source>Newton</source>
        <translation>Niuton</translation>
    </message>
    <message>
        <source>Poundal</source>
        <translation>Poundal</translation>
    </message>
    <message>
        <source>Ounce (Force)</source>
        <translation>Uncja-siła</translation>
    </message>
    <message>
        <source>Pound (Force)</source>
        <translation>Funt-siła</translation>
    </message>
    <message>
        <source>Kilopond</source>
        <translation>Kilopond</translation>
    </message>
    <message>
        <source>Ton (Force)</source>
        <translation>Tona-siła</translation>
    </message>
    <message>
        <source>Dyne</source>
        <translation>Dyna</translation>
    </message>
    <message>
        <source>Kilonewton</source>
        <translation>Kiloniuton</translation>
    </message>
    <message>
        <source>Short ton</source>
        <translation>Tona krótka</translation>
    </message>
    <message>
        <source>Long ton</source>
        <translation>Tona długa</translation>
    </message>
    <message>
        <source>Kilopound (Force)</source>
        <translation>Kilofunt-siła</translation>
    </message>
    <message>
        <source>Kilogram-force</source>
        <translation>Kilogram-siła</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Siła</translation>
    </message>
</context>
<context>
    <name>qzUnitForceLength</name>
    <message>
        <source>Newton per meter</source>
        <translation>Niuton na metr</translation>
    </message>
    <message>
        <source>Newton per Millimeter</source>
        <translation>Niuton na milimetr</translation>
    </message>
    <message>
        <source>Kilonewton per Millimeter</source>
        <translation>Kiloniuton na milimetr</translation>
    </message>
    <message>
        <source>Force per length</source>
        <translation>Siła na jednostkę długości</translation>
    </message>
</context>
<context>
    <name>qzUnitForcePerVolume</name>
    <message>
        <source>Newton per cubic meter</source>
        <translation>Niuton na metr sześcienny</translation>
    </message>
    <message>
        <source>Force per volume</source>
        <translation>Siła na jednostkę objętości</translation>
    </message>
</context>
<context>
    <name>qzUnitFrequency</name>
    <message>
        <source>Hertz</source>
        <translation>Herc</translation>
    </message>
    <message>
        <source>Vibrations per second</source>
        <translation>Drganie na sekundę</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Częstotliwość</translation>
    </message>
</context>
<context>
    <name>qzUnitGrainSize</name>
    <message>
        <source>Micrometer</source>
        <translation>Mikrometr</translation>
    </message>
    <message>
        <source>ASTM</source>
        <translation>ASTM</translation>
    </message>
    <message>
        <source>Grain size</source>
        <translation>Wielkość ziarna</translation>
    </message>
</context>
<context>
    <name>qzUnitHardness</name>
    <message>
        <source>Newton per square meter</source>
        <translation>Niuton na metr kwadratowy</translation>
    </message>
    <message>
        <source>Newton per square millimeter</source>
        <translation>Niuton na milimetr kwadratowy</translation>
    </message>
    <message>
        <source>Pound-force per square inch</source>
        <translation>Funt-siła na cal kwadratowy</translation>
    </message>
    <message>
        <source>Rockwell hardness</source>
        <translation>Twardość Rockwella</translation>
    </message>
    <message>
        <source>Brinell hardness</source>
        <translation>Twardość Brinella</translation>
    </message>
    <message>
        <source>Vickers hardness</source>
        <translation>Twardość Vickersa</translation>
    </message>
    <message>
        <source>Hardness</source>
        <translation>Twardość</translation>
    </message>
</context>
<context>
    <name>qzUnitHeat</name>
    <message>
        <source>Joule</source>
        <translation>Dżul</translation>
    </message>
    <message>
        <source>Kilojoule</source>
        <translation>Kilodżul</translation>
    </message>
    <message>
        <source>Calorie (IT)</source>
        <translation>Kaloria (IT)</translation>
    </message>
    <message>
        <source>Kilocalorie (IT)</source>
        <translation>Kilokaloria (IT)</translation>
    </message>
    <message>
        <source>British thermal unit (IT)</source>
        <translation>Brytyjska jednostka ciepła (IT)</translation>
    </message>
    <message>
        <source>Heat energy</source>
        <translation>Ciepło</translation>
    </message>
</context>
<context>
    <name>qzUnitHeatCapacity</name>
    <message>
        <source>Heat capacity</source>
        <translation>Pojemność cieplna</translation>
    </message>
</context>
<context>
    <name>qzUnitHeatFlux</name>
    <message>
        <source>Heat flow</source>
        <translation>Gęstość strumienia ciepła</translation>
    </message>
</context>
<context>
    <name>qzUnitHeatTransferCoefficient</name>
    <message>
        <source>Heat transfer coefficient</source>
        <translation>Współczynnik przejmowania ciepła</translation>
    </message>
</context>
<context>
    <name>qzUnitLatentHeat</name>
    <message>
        <source>Joule per kilogram</source>
        <translation>Dżul na kilogram</translation>
    </message>
    <message>
        <source>Joule per gram</source>
        <translation>Dżul na gram</translation>
    </message>
    <message>
        <source>Millimeter squared per second squared</source>
        <translation>Milimetr kwadratowy na sekundę kwadratową</translation>
    </message>
    <message>
        <source>Latent heat</source>
        <translation>Ciepło utajone</translation>
    </message>
</context>
<context>
    <name>qzUnitLength</name>
    <message>
        <source>Meter</source>
        <translation>Metr</translation>
    </message>
    <message>
        <source>Centimeter</source>
        <translation>Centymetr</translation>
    </message>
    <message>
        <source>Millimeter</source>
        <translation>Milimetr</translation>
    </message>
    <message>
        <source>Foot</source>
        <translation>Stopa</translation>
    </message>
    <message>
        <source>Inch</source>
        <translation>Cal</translation>
    </message>
    <message>
        <source>Mile</source>
        <translation>Mila</translation>
    </message>
    <message>
        <source>Mil</source>
        <translation>Mil</translation>
    </message>
    <message>
        <source>Micron</source>
        <translation>Mikron</translation>
    </message>
    <message>
        <source>Microinch</source>
        <translation>Mikrocal</translation>
    </message>
    <message>
        <source>Kilometer</source>
        <translation>Kilometr</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Długość</translation>
    </message>
</context>
<context>
    <name>qzUnitMagneticField</name>
    <message>
        <source>Ampere/meter</source>
        <translation>Amper/metr</translation>
    </message>
    <message>
        <source>A/m</source>
        <translation>A/m</translation>
    </message>
    <message>
        <source>Magnetic field intensity</source>
        <translation>Natężenie pola magnetycznego</translation>
    </message>
</context>
<context>
    <name>qzUnitMagneticInduction</name>
    <message>
        <source>Tesla</source>
        <translation>Tesla</translation>
    </message>
    <message>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <source>Magnetic induction</source>
        <translation>Indukcja magnetyczna</translation>
    </message>
</context>
<context>
    <name>qzUnitMass</name>
    <message>
        <source>Kilogram</source>
        <translation>Kilogram</translation>
    </message>
    <message>
        <source>Gram</source>
        <translation>Gram</translation>
    </message>
    <message>
        <source>Ton</source>
        <translation>Tona</translation>
    </message>
    <message>
        <source>Pound</source>
        <translation>Funt</translation>
    </message>
    <message>
        <source>Ounce</source>
        <translation>Uncja</translation>
    </message>
    <message>
        <source>Slug</source>
        <translation>Slug</translation>
    </message>
    <message>
        <source>Megagram</source>
        <translation>Megagram</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Masa</translation>
    </message>
</context>
<context>
    <name>qzUnitMassFluxDensity</name>
    <message>
        <source>Kilogram per square meter and second</source>
        <translation>Kilogram na metr kwadratowy i sekundę</translation>
    </message>
    <message>
        <source>Mass flux density</source>
        <translation>Gęstość strumienia masy</translation>
    </message>
</context>
<context>
    <name>qzUnitMassFraction</name>
    <message>
        <source>Weight percent</source>
        <translation>Procent wagowy</translation>
    </message>
    <message>
        <source>Weight fraction</source>
        <translation>Udział wagowy</translation>
    </message>
    <message>
        <source>Mass fraction</source>
        <translation>Udział masowy</translation>
    </message>
</context>
<context>
    <name>qzUnitMassFractionGradient</name>
    <message>
        <source>Weight percent per meter</source>
        <translation>Procent wagowy na metr</translation>
    </message>
    <message>
        <source>Mass fraction gradient</source>
        <translation>Gradient udziału masowego</translation>
    </message>
</context>
<context>
    <name>qzUnitMomentOfInertia</name>
    <message>
        <source>Moment of inertia</source>
        <translation>Moment bezwładności</translation>
    </message>
</context>
<context>
    <name>qzUnitOfInformation</name>
    <message>
        <source>Bytes</source>
        <translation>Bajt</translation>
    </message>
    <message>
        <source>Kilobyte</source>
        <translation>Kilobajt</translation>
    </message>
    <message>
        <source>Megabyte</source>
        <translation>Megabajt</translation>
    </message>
    <message>
        <source>Gigabyte</source>
        <translation>Gigabajt</translation>
    </message>
    <message>
        <source>Terabyte</source>
        <translation>Terabajt</translation>
    </message>
    <message>
        <source>Unit of information</source>
        <translation>Ilość informacji</translation>
    </message>
</context>
<context>
    <name>qzUnitPercent</name>
    <message>
        <source>Percent</source>
        <translation>Procent</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>Stosunek</translation>
    </message>
</context>
<context>
    <name>qzUnitPower</name>
    <message>
        <source>Watt</source>
        <translation>Wat</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Moc</translation>
    </message>
</context>
<context>
    <name>qzUnitSpecificHeatCapacity</name>
    <message>
        <source>Specific heat capacity</source>
        <translation>Ciepło właściwe</translation>
    </message>
</context>
<context>
    <name>qzUnitSpeed</name>
    <message>
        <source>Meters per second</source>
        <translation>Metr na sekundę</translation>
    </message>
    <message>
        <source>Millimeters per second</source>
        <translation>Milimetr na sekundę</translation>
    </message>
    <message>
        <source>Feet per second</source>
        <translation>Stopa na sekundę</translation>
    </message>
    <message>
        <source>Inches per second</source>
        <translation>Cal na sekundę</translation>
    </message>
    <message>
        <source>Miles per second</source>
        <translation>Mila na sekundę</translation>
    </message>
    <message>
        <source>Meters per minute</source>
        <translation>Metr na minutę</translation>
    </message>
    <message>
        <source>Kilometers per hour</source>
        <translation>Kilometr na godzinę</translation>
    </message>
    <message>
        <source>Centimeters per second</source>
        <translation>Centymetr na sekundę</translation>
    </message>
    <message>
        <source>Centimeters per minute</source>
        <translation>Centymetr na minutę</translation>
    </message>
    <message>
        <source>Inches per minute</source>
        <translation>Cal na minutę</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Prędkość</translation>
    </message>
</context>
<context>
    <name>qzUnitStrainRate</name>
    <message>
        <source>Strain rate</source>
        <translation>Prędkość odkształcenia</translation>
    </message>
</context>
<context>
    <name>qzUnitStress</name>
    <message>
        <source>Pascal</source>
        <translation>Paskal</translation>
    </message>
    <message>
        <source>Megapascal</source>
        <translation>Megapaskal</translation>
    </message>
    <message>
        <source>Kilopascal</source>
        <translation>Kilopaskal</translation>
    </message>
    <message>
        <source>Pièze</source>
        <translation>Pieza</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Bar</translation>
    </message>
    <message>
        <source>Technical atmosphere</source>
        <translation>Atmosfera techniczna</translation>
    </message>
    <message>
        <source>Physical atmosphere</source>
        <translation>Atmosfera fizyczna</translation>
    </message>
    <message>
        <source>Torr</source>
        <translation>Tor</translation>
    </message>
    <message>
        <source>Pounds per square inch</source>
        <translation>Funt na cal kwadratowy</translation>
    </message>
    <message>
        <source>Pounds per square foot</source>
        <translation>Funt na stopę kwadratową</translation>
    </message>
    <message>
        <source>Newton per square millimeter</source>
        <translation>Niuton na milimetr kwadratowy</translation>
    </message>
    <message>
        <source>Kilograms per square inch</source>
        <translation>Kilogram na cal kwadratowy</translation>
    </message>
    <message>
        <source>Kilograms per square centimeter</source>
        <translation>Kilogram na centymetr kwadratowy</translation>
    </message>
    <message>
        <source>Kilograms per square millimeter</source>
        <translation>Kilogram na milimetr kwadratowy</translation>
    </message>
    <message>
        <source>Stress</source>
        <translation>Naprężenie</translation>
    </message>
</context>
<context>
    <name>qzUnitTemperature</name>
    <message>
        <source>Kelvin</source>
        <translation>Kelwin</translation>
    </message>
    <message>
        <source>Degrees Celsius</source>
        <translation>Stopień Celsjusza</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit</source>
        <translation>Stopień Fahrenheita</translation>
    </message>
    <message>
        <source>Degrees Rankine</source>
        <translation>Stopień Rankine&apos;a</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
</context>
<context>
    <name>qzUnitTemperatureDifference</name>
    <message>
        <source>Kelvin</source>
        <translation>Kelwin</translation>
    </message>
    <message>
        <source>Degrees Celsius</source>
        <translation>Stopień Celsjusza</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit</source>
        <translation>Stopień Fahrenheita</translation>
    </message>
    <message>
        <source>Temperature difference</source>
        <translation>Różnica temperatur</translation>
    </message>
</context>
<context>
    <name>qzUnitTemperatureGradient</name>
    <message>
        <source>Kelvin per meter</source>
        <translation>Kelwin na metr</translation>
    </message>
    <message>
        <source>Kelvin per centimeter</source>
        <translation>Kelwin na centymetr</translation>
    </message>
    <message>
        <source>Kelvin per millimeter</source>
        <translation>Kelwin na milimetr</translation>
    </message>
    <message>
        <source>Temperature gradient</source>
        <translation>Gradient temperatury</translation>
    </message>
</context>
<context>
    <name>qzUnitTemperatureRate</name>
    <message>
        <source>Kelvin per second</source>
        <translation>Kelwin na sekundę</translation>
    </message>
    <message>
        <source>Kelvin per minute</source>
        <translation>Kelwin na minutę</translation>
    </message>
    <message>
        <source>Kelvin per hour</source>
        <translation>Kelwin na godzinę</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit per second</source>
        <translation>Stopień Fahrenheita na sekundę</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit per minute</source>
        <translation>Stopień Fahrenheita na minutę</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit per hour</source>
        <translation>Stopień Fahrenheita na godzinę</translation>
    </message>
    <message>
        <source>Temperature rate</source>
        <translation>Szybkość zmian temperatury</translation>
    </message>
</context>
<context>
    <name>qzUnitThermalConductivity</name>
    <message>
        <source>Thermal conductivity</source>
        <translation>Współczynnik przewodzenia ciepła</translation>
    </message>
</context>
<context>
    <name>qzUnitThermalExpansion</name>
    <message>
        <source>1/°C</source>
        <translation>1/°C</translation>
    </message>
    <message>
        <source>Thermal expansion coeff.</source>
        <translation>Wsp. rozszerzalności cieplnej</translation>
    </message>
</context>
<context>
    <name>qzUnitTime</name>
    <message>
        <source>Second</source>
        <translation>Sekunda</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuta</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Godzina</translation>
    </message>
    <message>
        <source>Millisecond</source>
        <translation>Milisekunda</translation>
    </message>
    <message>
        <source>Microsecond</source>
        <translation>Mikrosekunda</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
</context>
<context>
    <name>qzUnitTorque</name>
    <message>
        <source>Newton meter</source>
        <translation>Niutonometr</translation>
    </message>
    <message>
        <source>Foot pounds</source>
        <translation>Stopa-funt</translation>
    </message>
    <message>
        <source>Inch pounds</source>
        <translation>Cal-funt</translation>
    </message>
    <message>
        <source>Inch ounce-force</source>
        <translation>Cal-uncja-siła</translation>
    </message>
    <message>
        <source>Foot ounce-force</source>
        <translation>Stopa-uncja-siła</translation>
    </message>
    <message>
        <source>Foot-poundal</source>
        <translation>Stopa-poundal</translation>
    </message>
    <message>
        <source>Kilogram-force meter</source>
        <translation>Kilogramometr</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Moment obrotowy</translation>
    </message>
</context>
<context>
    <name>qzUnitTripCoefficient</name>
    <message>
        <source>Square millimeter per newton</source>
        <translation>Milimetr kwadratowy na niuton</translation>
    </message>
    <message>
        <source>Square inch per kilopound</source>
        <translation>Cal kwadratowy na kilofunt</translation>
    </message>
    <message>
        <source>Square meter per newton</source>
        <translation>Metr kwadratowy na niuton</translation>
    </message>
    <message>
        <source>Trip coefficient</source>
        <translation>Współczynnik TRIP</translation>
    </message>
</context>
<context>
    <name>qzUnitTurningStiffness</name>
    <message>
        <source>Turning stiffness</source>
        <translation>Sztywność skrętna</translation>
    </message>
</context>
<context>
    <name>qzUnitUndefined</name>
    <message>
        <source>Size of dimension one</source>
        <translation>Wielkość o wymiarze jeden</translation>
    </message>
</context>
<context>
    <name>qzUnitValue</name>
    <message>
        <source>unknown unit &apos;%1&apos;</source>
        <translation>nieznana jednostka „%1”</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is of the physical dimension %2, which no dimension of the library has</source>
        <translation>„%1” ma wymiar fizyczny %2, którego nie ma żadna wielkość biblioteki</translation>
    </message>
    <message>
        <source>unknown unit &apos;%1&apos; for %2</source>
        <translation>nieznana jednostka „%1” dla wielkości %2</translation>
    </message>
    <message>
        <source>; did you mean %1?</source>
        <translation>; czy chodziło o %1?</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a unit of %2, not of %3</source>
        <translation>„%1” jest jednostką wielkości %2, nie wielkości %3</translation>
    </message>
    <message>
        <source>ambiguous unit &apos;%1&apos;: %2</source>
        <translation>niejednoznaczna jednostka „%1”: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: the decimal comma is not read in this locale</source>
        <translation>„%1”: przecinek dziesiętny nie jest odczytywany w tych ustawieniach regionalnych</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not start with a number</source>
        <translation>„%1” nie zaczyna się od liczby</translation>
    </message>
    <message>
        <source>unexpected &apos;%1&apos; after the unit in &apos;%2&apos;</source>
        <translation>nieoczekiwane „%1” po jednostce w „%2”</translation>
    </message>
    <message>
        <source>the number in &apos;%1&apos; is too close to zero for a double</source>
        <translation>liczba w „%1” jest zbyt bliska zeru dla typu double</translation>
    </message>
    <message>
        <source>the number in &apos;%1&apos; is too large for a double</source>
        <translation>liczba w „%1” jest zbyt duża dla typu double</translation>
    </message>
    <message>
        <source>the fraction in &apos;%1&apos; divides by zero</source>
        <translation>ułamek w „%1” dzieli przez zero</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has no unit</source>
        <translation>„%1” nie ma jednostki</translation>
    </message>
    <message>
        <source>cannot add &apos;%1&apos; to a value of %2 in &apos;%3&apos;</source>
        <translation>nie można dodać „%1” do wartości wielkości %2 w „%3”</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: &apos;%2&apos; can be read as %3 or as %4</source>
        <translation>„%1”: „%2” można odczytać jako %3 lub jako %4</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: the apostrophe in &apos;%2&apos; can be a foot mark or a thousands separator</source>
        <translation>„%1”: apostrof w „%2” może być znakiem stopy lub separatorem tysięcy</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: &apos;%2&apos; has more than one decimal point</source>
        <translation>„%1”: „%2” ma więcej niż jeden separator dziesiętny</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: the separators in &apos;%2&apos; do not form a number in this locale</source>
        <translation>„%1”: separatory w „%2” nie tworzą liczby w tych ustawieniach regionalnych</translation>
    </message>
    <message>
        <source>&apos;%1&apos; converts with the factor %2 %3 kept for stored documents; its definition gives %4 %3</source>
        <translation>„%1” jest przeliczana ze współczynnikiem %2 %3 zachowanym dla zapisanych dokumentów; z definicji wynosi on %4 %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is read with its defined factor, %2 %3; stored documents keep %4 %3 for it</source>
        <translation>„%1” jest odczytywana z definicyjnym współczynnikiem %2 %3; zapisane dokumenty zachowują dla niej %4 %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a gauge or absolute pressure, whose reference a value cannot keep; type the pressure in psi or bar</source>
        <translation>„%1” to ciśnienie względne lub bezwzględne, którego odniesienia wartość nie może przechować; wpisz ciśnienie w psi lub bar</translation>
    </message>
    <message>
        <source>ambiguous unit &apos;%1&apos;: written as a unit of %2, it reads physically as %3</source>
        <translation>niejednoznaczna jednostka „%1”: zapisana jako jednostka wielkości %2, fizycznie odpowiada %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is read as %2; it is also a unit of %3</source>
        <translation>„%1” odczytano jako %2; jest to także jednostka wielkości %3</translation>
    </message>
    <message>
        <source>nothing was typed</source>
        <translation>nic nie wpisano</translation>
    </message>
    <message>
        <source>&apos;%1&apos; lies below absolute zero</source>
        <translation>„%1” leży poniżej zera bezwzględnego</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>the first operand has no dimension</source>
        <translation>pierwszy argument nie ma wielkości</translation>
    </message>
    <message>
        <source>the second operand has no dimension</source>
        <translation>drugi argument nie ma wielkości</translation>
    </message>
    <message>
        <source>the first operand is %1, not a finite number</source>
        <translation>pierwszy argument to %1, a nie liczba skończona</translation>
    </message>
    <message>
        <source>the second operand is %1, not a finite number</source>
        <translation>drugi argument to %1, a nie liczba skończona</translation>
    </message>
    <message>
        <source>%1 has the exponents %2, which no dimension has</source>
        <translation>%1 ma wykładniki %2, których nie ma żadna wielkość</translation>
    </message>
    <message>
        <source>the result %1 names no dimension</source>
        <translation>wynik %1 nie oznacza żadnej wielkości</translation>
    </message>
    <message>
        <source>%1 has the exponents %2, not those of %3 (%4); dimensions with %2: %5</source>
        <translation>%1 ma wykładniki %2, a nie wykładniki %3 (%4); wielkości o wykładnikach %2: %5</translation>
    </message>
    <message>
        <source>%1 divides by zero</source>
        <translation>%1 dzieli przez zero</translation>
    </message>
    <message>
        <source>%1 overflows a double</source>
        <translation>%1 przekracza zakres typu double</translation>
    </message>
</context>
<context>
    <name>qzUnitValueEdit</name>
    <message>
        <source>The text is longer than %1 characters</source>
        <translation>Tekst jest dłuższy niż %1 znaków</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too small: at least %2</source>
        <translation>„%1” to za mało: co najmniej %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too large: at most %2</source>
        <translation>„%1” to za dużo: co najwyżej %2</translation>
    </message>
</context>
<context>
    <name>qzUnitVoltage</name>
    <message>
        <source>Volt</source>
        <translation>Wolt</translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>Napięcie elektryczne</translation>
    </message>
</context>
<context>
    <name>qzUnitVolume</name>
    <message>
        <source>Cubic meter</source>
        <translation>Metr sześcienny</translation>
    </message>
    <message>
        <source>Cubic centimeter</source>
        <translation>Centymetr sześcienny</translation>
    </message>
    <message>
        <source>Cubic millimeter</source>
        <translation>Milimetr sześcienny</translation>
    </message>
    <message>
        <source>Cubic foot</source>
        <translation>Stopa sześcienna</translation>
    </message>
    <message>
        <source>Cubic inch</source>
        <translation>Cal sześcienny</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Objętość</translation>
    </message>
</context>
<context>
    <name>qzUnitVolumePerTime</name>
    <message>
        <source>cubic meters per second</source>
        <translation>metr sześcienny na sekundę</translation>
    </message>
    <message>
        <source>liters per second</source>
        <translation>litr na sekundę</translation>
    </message>
    <message>
        <source>liters per minute</source>
        <translation>litr na minutę</translation>
    </message>
    <message>
        <source>cubic meters per minute</source>
        <translation>metr sześcienny na minutę</translation>
    </message>
    <message>
        <source>cubic centimeters per hour</source>
        <translation>centymetr sześcienny na godzinę</translation>
    </message>
    <message>
        <source>cubic centimeters per second</source>
        <translation>centymetr sześcienny na sekundę</translation>
    </message>
    <message>
        <source>cubic millimeters per second</source>
        <translation>milimetr sześcienny na sekundę</translation>
    </message>
    <message>
        <source>Volume flow</source>
        <translation>Strumień objętości</translation>
    </message>
</context>
<context>
    <name>qzViewUnitsEditor</name>
    <message>
        <source>SI</source>
        <translation>SI</translation>
    </message>
    <message>
        <source>SI (millimeters)</source>
        <translation>SI (milimetry)</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Imperialny</translation>
    </message>
    <message>
        <source>US customary</source>
        <translation>Amerykański zwyczajowy</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Domyślny</translation>
    </message>
    <message>
        <source>&amp;Unit system:</source>
        <translation>&amp;Układ jednostek:</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Niestandardowy</translation>
    </message>
</context>
<context>
    <name>qzunit</name>
    <message>
        <source>Value</source>
        <translation>Wartość</translation>
    </message>
    <message>
        <source>Enumerator</source>
        <translation>Enumerator</translation>
    </message>
    <message>
        <source>English name</source>
        <translation>Nazwa angielska</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Jednostki</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Indeks</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Uwagi</translation>
    </message>
    <message>
        <source>SI unit</source>
        <translation>Jednostka SI</translation>
    </message>
    <message>
        <source>view unit</source>
        <translation>jednostka wyświetlania</translation>
    </message>
    <message>
        <source>&apos;%1&apos; bytes is too large: counts reach %2</source>
        <translation>„%1” bajtów to za dużo: liczby sięgają %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a whole number of bytes</source>
        <translation>„%1” nie jest całkowitą liczbą bajtów</translation>
    </message>
    <message>
        <source>division by zero</source>
        <translation>dzielenie przez zero</translation>
    </message>
    <message>
        <source>a number divided by a value has no dimension of the library</source>
        <translation>liczba podzielona przez wartość nie ma żadnej wielkości biblioteki</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>liczba</translation>
    </message>
    <message>
        <source>cannot add %1 and %2: different dimensions</source>
        <translation>nie można dodać %1 i %2: różne wielkości</translation>
    </message>
    <message>
        <source>unexpected &apos;%1&apos; in &apos;%2&apos;</source>
        <translation>nieoczekiwane „%1” w „%2”</translation>
    </message>
    <message>
        <source>missing &apos;)&apos; in &apos;%1&apos;</source>
        <translation>brak „)” w „%1”</translation>
    </message>
    <message>
        <source>missing value in &apos;%1&apos;</source>
        <translation>brak wartości w „%1”</translation>
    </message>
    <message>
        <source>the result is of %1, not of %2</source>
        <translation>wynik jest wielkością %1, a nie %2</translation>
    </message>
    <message>
        <source>cannot express %1 in &apos;%2&apos;</source>
        <translation>nie można wyrazić %1 w „%2”</translation>
    </message>
    <message>
        <source>unknown dimension &apos;%1&apos; (see qzunit dimensions)</source>
        <translation>nieznana wielkość „%1” (zob. qzunit dimensions)</translation>
    </message>
    <message>
        <source>unknown preset &apos;%1&apos; (one of %2)</source>
        <translation>nieznane ustawienie wstępne „%1” (jedno z %2)</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>uwaga: %1</translation>
    </message>
    <message>
        <source>note: %1 read as %2 (also %3); choose another with --dimension</source>
        <translation>uwaga: %1 odczytano jako %2 (również %3); inną wybierz za pomocą --dimension</translation>
    </message>
    <message>
        <source>%1 fits several dimensions: %2 (choose one with --dimension)</source>
        <translation>%1 pasuje do kilku wielkości: %2 (wybierz jedną za pomocą --dimension)</translation>
    </message>
    <message>
        <source>no target unit after &apos;%1 %2&apos;</source>
        <translation>brak jednostki docelowej po „%1 %2”</translation>
    </message>
    <message>
        <source>cannot convert &apos;%1&apos; (%2) to &apos;%3&apos; (%4): different dimensions</source>
        <translation>nie można przeliczyć „%1” (%2) na „%3” (%4): różne wielkości</translation>
    </message>
    <message>
        <source>&apos;%1&apos; to &apos;%2&apos;</source>
        <translation>„%1” na „%2”</translation>
    </message>
    <message>
        <source>warning: %1 lies outside the validity range of %2 (%3 to %4)</source>
        <translation>ostrzeżenie: %1 leży poza zakresem ważności %2 (od %3 do %4)</translation>
    </message>
    <message>
        <source>missing value after &apos;%1&apos;</source>
        <translation>brak wartości po „%1”</translation>
    </message>
    <message>
        <source>invalid --format &apos;%1&apos; (one of g, f, e)</source>
        <translation>nieprawidłowy --format „%1” (jeden z g, f, e)</translation>
    </message>
    <message>
        <source>invalid --precision &apos;%1&apos; (a whole number from 0 to 99)</source>
        <translation>nieprawidłowa --precision „%1” (liczba całkowita od 0 do 99)</translation>
    </message>
    <message>
        <source>no command given (one of %1; see qzunit --help)</source>
        <translation>nie podano polecenia (jedno z %1; zob. qzunit --help)</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (one of %2)</source>
        <translation>nieznane polecenie „%1” (jedno z %2)</translation>
    </message>
    <message>
        <source>usage: qzunit %1 %2</source>
        <translation>użycie: qzunit %1 %2</translation>
    </message>
    <message>
        <source>option --%1 does not apply to %2</source>
        <translation>opcja --%1 nie dotyczy %2</translation>
    </message>
    <message>
        <source>note: &apos;%1&apos; keeps the factor %2 for stored data; physically it is %3 %4</source>
        <translation>uwaga: „%1” zachowuje współczynnik %2 dla zapisanych danych; fizycznie wynosi %3 %4</translation>
    </message>
</context>
</TS>
