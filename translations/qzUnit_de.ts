<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>ExampleWindow</name>
    <message>
        <source>Gauge length</source>
        <translation>Messlänge</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Durchmesser</translation>
    </message>
    <message>
        <source>Maximum force</source>
        <translation>Höchstkraft</translation>
    </message>
    <message>
        <source>Yield strength</source>
        <translation>Streckgrenze</translation>
    </message>
    <message>
        <source>Test temperature</source>
        <translation>Prüftemperatur</translation>
    </message>
    <message>
        <source>Hardness</source>
        <translation>Härte</translation>
    </message>
    <message>
        <source>Tensile test</source>
        <translation>Zugversuch</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>Specimen</source>
        <translation>Probe</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Messwerte</translation>
    </message>
    <message>
        <source>View units</source>
        <translation>Anzeigeeinheiten</translation>
    </message>
</context>
<context>
    <name>XmlReaderWriterBase</name>
    <message>
        <source>Invalid XML element %0: &apos;%1&apos;</source>
        <translation>Ungültiges XML-Element %0: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Invalid XML attribute %0: &apos;%1&apos;</source>
        <translation>Ungültiges XML-Attribut %0: &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>qzUnitAbsorbedDose</name>
    <message>
        <source>Gray</source>
        <translation>Gray</translation>
    </message>
    <message>
        <source>Joule per kilogram</source>
        <translation>Joule pro Kilogramm</translation>
    </message>
    <message>
        <source>Square meter per square second</source>
        <translation>Quadratmeter pro Quadratsekunde</translation>
    </message>
    <message>
        <source>Absorbed dose (of radiation)</source>
        <translation>Energiedosis (Strahlung)</translation>
    </message>
</context>
<context>
    <name>qzUnitAcceleration</name>
    <message>
        <source>Meter per square second</source>
        <translation>Meter pro Quadratsekunde</translation>
    </message>
    <message>
        <source>Inches per square second</source>
        <translation>Zoll pro Quadratsekunde</translation>
    </message>
    <message>
        <source>Feet per square second</source>
        <translation>Fuß pro Quadratsekunde</translation>
    </message>
    <message>
        <source>Inches per minute per second</source>
        <translation>Zoll pro Minute pro Sekunde</translation>
    </message>
    <message>
        <source>Feet per minute per second</source>
        <translation>Fuß pro Minute pro Sekunde</translation>
    </message>
    <message>
        <source>Miles per hour per second</source>
        <translation>Meilen pro Stunde pro Sekunde</translation>
    </message>
    <message>
        <source>Galileo</source>
        <translation>Gal</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Beschleunigung</translation>
    </message>
</context>
<context>
    <name>qzUnitAngle</name>
    <message>
        <source>Radian</source>
        <translation>Radiant</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Winkel</translation>
    </message>
</context>
<context>
    <name>qzUnitAngularVelocity</name>
    <message>
        <source>Radians per second</source>
        <translation>Radiant pro Sekunde</translation>
    </message>
    <message>
        <source>Revolutions per second</source>
        <translation>Umdrehungen pro Sekunde</translation>
    </message>
    <message>
        <source>Rps</source>
        <translation>U/s</translation>
    </message>
    <message>
        <source>Revolutions per minute</source>
        <translation>Umdrehungen pro Minute</translation>
    </message>
    <message>
        <source>Rpm</source>
        <translation>U/min</translation>
    </message>
    <message>
        <source>Revolutions per hour</source>
        <translation>Umdrehungen pro Stunde</translation>
    </message>
    <message>
        <source>Rph</source>
        <translation>U/h</translation>
    </message>
    <message>
        <source>Angle velocity</source>
        <translation>Winkelgeschwindigkeit</translation>
    </message>
</context>
<context>
    <name>qzUnitArea</name>
    <message>
        <source>Square meter</source>
        <translation>Quadratmeter</translation>
    </message>
    <message>
        <source>Square centimeter</source>
        <translation>Quadratzentimeter</translation>
    </message>
    <message>
        <source>Square millimeter</source>
        <translation>Quadratmillimeter</translation>
    </message>
    <message>
        <source>Square micrometer</source>
        <translation>Quadratmikrometer</translation>
    </message>
    <message>
        <source>Square kilometer</source>
        <translation>Quadratkilometer</translation>
    </message>
    <message>
        <source>Square foot</source>
        <translation>Quadratfuß</translation>
    </message>
    <message>
        <source>Square inch</source>
        <translation>Quadratzoll</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Fläche</translation>
    </message>
</context>
<context>
    <name>qzUnitAreicElectricalConductivity</name>
    <message>
        <source>per ohm square meter</source>
        <translation>pro Ohm-Quadratmeter</translation>
    </message>
    <message>
        <source>per milliohm square meter</source>
        <translation>pro Milliohm-Quadratmeter</translation>
    </message>
    <message>
        <source>per microhm square meter</source>
        <translation>pro Mikroohm-Quadratmeter</translation>
    </message>
    <message>
        <source>per nanoohm square meter</source>
        <translation>pro Nanoohm-Quadratmeter</translation>
    </message>
    <message>
        <source>Electrical contact conductivity</source>
        <translation>Elektrischer Kontaktleitwert</translation>
    </message>
</context>
<context>
    <name>qzUnitCurrent</name>
    <message>
        <source>Ampere</source>
        <translation>Ampere</translation>
    </message>
    <message>
        <source>Milliampere</source>
        <translation>Milliampere</translation>
    </message>
    <message>
        <source>Kiloampere</source>
        <translation>Kiloampere</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Stromstärke</translation>
    </message>
</context>
<context>
    <name>qzUnitDensity</name>
    <message>
        <source>Kilograms per cubic meter</source>
        <translation>Kilogramm pro Kubikmeter</translation>
    </message>
    <message>
        <source>Kilograms per cubic centimeter</source>
        <translation>Kilogramm pro Kubikzentimeter</translation>
    </message>
    <message>
        <source>Kilograms per cubic millimeter</source>
        <translation>Kilogramm pro Kubikmillimeter</translation>
    </message>
    <message>
        <source>Pound per cubic foot</source>
        <translation>Pfund pro Kubikfuß</translation>
    </message>
    <message>
        <source>Pound per cubic inch</source>
        <translation>Pfund pro Kubikzoll</translation>
    </message>
    <message>
        <source>Ton per cubic centimeter</source>
        <translation>Tonne pro Kubikzentimeter</translation>
    </message>
    <message>
        <source>Gram per cubic centimeter</source>
        <translation>Gramm pro Kubikzentimeter</translation>
    </message>
    <message>
        <source>Megagram per cubic millimeter</source>
        <translation>Megagramm pro Kubikmillimeter</translation>
    </message>
    <message>
        <source>Gram per cubic meter</source>
        <translation>Gramm pro Kubikmeter</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Dichte</translation>
    </message>
</context>
<context>
    <name>qzUnitDiffusivity</name>
    <message>
        <source>Square meters per second</source>
        <translation>Quadratmeter pro Sekunde</translation>
    </message>
    <message>
        <source>Diffusivity</source>
        <translation>Diffusionskoeffizient</translation>
    </message>
</context>
<context>
    <name>qzUnitDistancePerRevolution</name>
    <message>
        <source>Meter per revolution</source>
        <translation>Meter pro Umdrehung</translation>
    </message>
    <message>
        <source>Centimeter per revolution</source>
        <translation>Zentimeter pro Umdrehung</translation>
    </message>
    <message>
        <source>Millimeter per revolution</source>
        <translation>Millimeter pro Umdrehung</translation>
    </message>
    <message>
        <source>Foot per revolution</source>
        <translation>Fuß pro Umdrehung</translation>
    </message>
    <message>
        <source>Inch per revolution</source>
        <translation>Zoll pro Umdrehung</translation>
    </message>
    <message>
        <source>Mile per revolution</source>
        <translation>Meile pro Umdrehung</translation>
    </message>
    <message>
        <source>Mil per revolution</source>
        <translation>Mil pro Umdrehung</translation>
    </message>
    <message>
        <source>Kilometer per revolution</source>
        <translation>Kilometer pro Umdrehung</translation>
    </message>
    <message>
        <source>m/r</source>
        <comment>Einheit Weg pro Umdrehung [m/U]</comment>
        <translation>m/U</translation>
    </message>
    <message>
        <source>cm/r</source>
        <comment>Einheit Weg pro Umdrehung [cm/U]</comment>
        <translation>cm/U</translation>
    </message>
    <message>
        <source>mm/r</source>
        <comment>Einheit Weg pro Umdrehung [mm/U]</comment>
        <translation>mm/U</translation>
    </message>
    <message>
        <source>ft/r</source>
        <comment>Einheit Weg pro Umdrehung [ft/U]</comment>
        <translation>ft/U</translation>
    </message>
    <message>
        <source>in/r</source>
        <comment>Einheit Weg pro Umdrehung [in/U]</comment>
        <translation>in/U</translation>
    </message>
    <message>
        <source>mi/r</source>
        <comment>Einheit Weg pro Umdrehung [mi/U]</comment>
        <translation>mi/U</translation>
    </message>
    <message>
        <source>mil/r</source>
        <comment>Einheit Weg pro Umdrehung [mil/U]</comment>
        <translation>mil/U</translation>
    </message>
    <message>
        <source>km/r</source>
        <comment>Einheit Weg pro Umdrehung [km/U]</comment>
        <translation>km/U</translation>
    </message>
    <message>
        <source>Distance per revolution</source>
        <comment>de=Weg pro Umdrehung</comment>
        <translation>Weg pro Umdrehung</translation>
    </message>
</context>
<context>
    <name>qzUnitElectricField</name>
    <message>
        <source>Volt/meter</source>
        <translation>Volt/Meter</translation>
    </message>
    <message>
        <source>V/m</source>
        <translation>V/m</translation>
    </message>
    <message>
        <source>Electric field intensity</source>
        <translation>Elektrische Feldstärke</translation>
    </message>
</context>
<context>
    <name>qzUnitElectricalConductivity</name>
    <message>
        <source>1 / (Ohm * meter)</source>
        <translation>1 / (Ohm * Meter)</translation>
    </message>
    <message>
        <source>1 / (%1Ohm * meter)</source>
        <translation>1 / (%1Ohm * Meter)</translation>
    </message>
    <message>
        <source>Electrical conductivity</source>
        <translation>Elektrische Leitfähigkeit</translation>
    </message>
</context>
<context>
    <name>qzUnitElectricalCurrentDensity</name>
    <message>
        <source>Ampere per square meter</source>
        <translation>Ampere pro Quadratmeter</translation>
    </message>
    <message>
        <source>Microampere per square meter</source>
        <translation>Mikroampere pro Quadratmeter</translation>
    </message>
    <message>
        <source>Milliampere per square meter</source>
        <translation>Milliampere pro Quadratmeter</translation>
    </message>
    <message>
        <source>Kiloampere per square meter</source>
        <translation>Kiloampere pro Quadratmeter</translation>
    </message>
    <message>
        <source>Megaampere per square meter</source>
        <translation>Megaampere pro Quadratmeter</translation>
    </message>
    <message>
        <source>Current density</source>
        <translation>Stromdichte</translation>
    </message>
</context>
<context>
    <name>qzUnitElectricalResistivity</name>
    <message>
        <source>Ohm * meter</source>
        <translation>Ohm * Meter</translation>
    </message>
    <message>
        <source>%1Ohm * meter</source>
        <translation>%1Ohm * Meter</translation>
    </message>
    <message>
        <source>Electrical resistivity</source>
        <comment>Electrical resistivity Material specific value, does not depend on other factors like geometry (DO NOT confuse with &apos;Resistance&apos;)</comment>
        <translation>Spezifischer elektrischer Widerstand</translation>
    </message>
</context>
<context>
    <name>qzUnitEnergy</name>
    <message>
        <source>Joule</source>
        <translation>Joule</translation>
    </message>
    <message>
        <source>Kilojoule</source>
        <translation>Kilojoule</translation>
    </message>
    <message>
        <source>Kilowatt hour</source>
        <translation>Kilowattstunde</translation>
    </message>
    <message>
        <source>Electron volt</source>
        <translation>Elektronenvolt</translation>
    </message>
    <message>
        <source>Kilopond meter</source>
        <translation>Kilopondmeter</translation>
    </message>
    <message>
        <source>Calorie (IT)</source>
        <translation>Kalorie (IT)</translation>
    </message>
    <message>
        <source>British thermal unit (IT)</source>
        <translation>British thermal unit (IT)</translation>
    </message>
    <message>
        <source>Inch-Pound Force</source>
        <translation>Zoll-Pfund-Kraft</translation>
    </message>
    <message>
        <source>Foot-Pound Force</source>
        <translation>Fuß-Pfund-Kraft</translation>
    </message>
    <message>
        <source>Megajoule</source>
        <translation>Megajoule</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energie</translation>
    </message>
</context>
<context>
    <name>qzUnitEnergyDensity</name>
    <message>
        <source>Joule per cubic meter</source>
        <translation>Joule pro Kubikmeter</translation>
    </message>
    <message>
        <source>Microjoule per cubic meter</source>
        <translation>Mikrojoule pro Kubikmeter</translation>
    </message>
    <message>
        <source>Millijoule per cubic meter</source>
        <translation>Millijoule pro Kubikmeter</translation>
    </message>
    <message>
        <source>Kilojoule per cubic meter</source>
        <translation>Kilojoule pro Kubikmeter</translation>
    </message>
    <message>
        <source>Megajoule per cubic meter</source>
        <translation>Megajoule pro Kubikmeter</translation>
    </message>
    <message>
        <source>Joule per cubic millimeter</source>
        <translation>Joule pro Kubikmillimeter</translation>
    </message>
    <message>
        <source>Energy density</source>
        <translation>Energiedichte</translation>
    </message>
</context>
<context>
    <name>qzUnitEnergyLength</name>
    <message>
        <source>Energy input per unit length</source>
        <translation>Streckenenergie</translation>
    </message>
</context>
<context>
    <name>qzUnitForce</name>
    <message>
        <source>Newton</source>
        <translation>Newton</translation>
    </message>
    <message>
        <source>Poundal</source>
        <translation>Poundal</translation>
    </message>
    <message>
        <source>Ounce (Force)</source>
        <translation>Unze (Kraft)</translation>
    </message>
    <message>
        <source>Pound (Force)</source>
        <translation>Pfund (Kraft)</translation>
    </message>
    <message>
        <source>Kilopond</source>
        <translation>Kilopond</translation>
    </message>
    <message>
        <source>Ton (Force)</source>
        <translation>Tonne (Kraft)</translation>
    </message>
    <message>
        <source>Dyne</source>
        <translation>Dyn</translation>
    </message>
    <message>
        <source>Kilonewton</source>
        <translation>Kilonewton</translation>
    </message>
    <message>
        <source>Short ton</source>
        <translation>Short ton</translation>
    </message>
    <message>
        <source>Long ton</source>
        <translation>Long ton</translation>
    </message>
    <message>
        <source>Kilopound (Force)</source>
        <translation>Kilopfund (Kraft)</translation>
    </message>
    <message>
        <source>Kilogram-force</source>
        <translation>Kilogramm-Kraft</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Kraft</translation>
    </message>
</context>
<context>
    <name>qzUnitForceLength</name>
    <message>
        <source>Newton per meter</source>
        <translation>Newton pro Meter</translation>
    </message>
    <message>
        <source>Newton per Millimeter</source>
        <translation>Newton pro Millimeter</translation>
    </message>
    <message>
        <source>Kilonewton per Millimeter</source>
        <translation>Kilonewton pro Millimeter</translation>
    </message>
    <message>
        <source>Force per length</source>
        <translation>Kraft pro Länge</translation>
    </message>
</context>
<context>
    <name>qzUnitForcePerVolume</name>
    <message>
        <source>Newton per cubic meter</source>
        <translation>Newton pro Kubikmeter</translation>
    </message>
    <message>
        <source>Force per volume</source>
        <translation>Kraft pro Volumen</translation>
    </message>
</context>
<context>
    <name>qzUnitFrequency</name>
    <message>
        <source>Hertz</source>
        <translation>Hertz</translation>
    </message>
    <message>
        <source>Vibrations per second</source>
        <translation>Schwingungen pro Sekunde</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
</context>
<context>
    <name>qzUnitGrainSize</name>
    <message>
        <source>Micrometer</source>
        <translation>Mikrometer</translation>
    </message>
    <message>
        <source>ASTM</source>
        <translation>ASTM</translation>
    </message>
    <message>
        <source>Grain size</source>
        <translation>Korngröße</translation>
    </message>
</context>
<context>
    <name>qzUnitHardness</name>
    <message>
        <source>Newton per square meter</source>
        <translation>Newton pro Quadratmeter</translation>
    </message>
    <message>
        <source>Newton per square millimeter</source>
        <translation>Newton pro Quadratmillimeter</translation>
    </message>
    <message>
        <source>Pound-force per square inch</source>
        <translation>Pfund-Kraft pro Quadratzoll</translation>
    </message>
    <message>
        <source>Rockwell hardness</source>
        <translation>Rockwellhärte</translation>
    </message>
    <message>
        <source>Brinell hardness</source>
        <translation>Brinellhärte</translation>
    </message>
    <message>
        <source>Vickers hardness</source>
        <translation>Vickershärte</translation>
    </message>
    <message>
        <source>Hardness</source>
        <translation>Härte</translation>
    </message>
</context>
<context>
    <name>qzUnitHeat</name>
    <message>
        <source>Joule</source>
        <translation>Joule</translation>
    </message>
    <message>
        <source>Kilojoule</source>
        <translation>Kilojoule</translation>
    </message>
    <message>
        <source>Calorie (IT)</source>
        <translation>Kalorie (IT)</translation>
    </message>
    <message>
        <source>Kilocalorie (IT)</source>
        <translation>Kilokalorie (IT)</translation>
    </message>
    <message>
        <source>British thermal unit (IT)</source>
        <translation>British thermal unit (IT)</translation>
    </message>
    <message>
        <source>Heat energy</source>
        <translation>Wärmeenergie</translation>
    </message>
</context>
<context>
    <name>qzUnitHeatCapacity</name>
    <message>
        <source>Heat capacity</source>
        <translation>Wärmekapazität</translation>
    </message>
</context>
<context>
    <name>qzUnitHeatFlux</name>
    <message>
        <source>Heat flow</source>
        <translation>Wärmestromdichte</translation>
    </message>
</context>
<context>
    <name>qzUnitHeatTransferCoefficient</name>
    <message>
        <source>Heat transfer coefficient</source>
        <translation>Wärmeübergangskoeffizient</translation>
    </message>
</context>
<context>
    <name>qzUnitLatentHeat</name>
    <message>
        <source>Joule per kilogram</source>
        <translation>Joule pro Kilogramm</translation>
    </message>
    <message>
        <source>Joule per gram</source>
        <translation>Joule pro Gramm</translation>
    </message>
    <message>
        <source>Millimeter squared per second squared</source>
        <translation>Quadratmillimeter pro Quadratsekunde</translation>
    </message>
    <message>
        <source>Latent heat</source>
        <translation>Latente Wärme</translation>
    </message>
</context>
<context>
    <name>qzUnitLength</name>
    <message>
        <source>Meter</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>Centimeter</source>
        <translation>Zentimeter</translation>
    </message>
    <message>
        <source>Millimeter</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>Foot</source>
        <translation>Fuß</translation>
    </message>
    <message>
        <source>Inch</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Mile</source>
        <translation>Meile</translation>
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
        <translation>Mikrozoll</translation>
    </message>
    <message>
        <source>Kilometer</source>
        <translation>Kilometer</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
</context>
<context>
    <name>qzUnitMagneticField</name>
    <message>
        <source>Ampere/meter</source>
        <translation>Ampere/Meter</translation>
    </message>
    <message>
        <source>A/m</source>
        <translation>A/m</translation>
    </message>
    <message>
        <source>Magnetic field intensity</source>
        <translation>Magnetische Feldstärke</translation>
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
        <translation>Magnetische Flussdichte</translation>
    </message>
</context>
<context>
    <name>qzUnitMass</name>
    <message>
        <source>Kilogram</source>
        <translation>Kilogramm</translation>
    </message>
    <message>
        <source>Gram</source>
        <translation>Gramm</translation>
    </message>
    <message>
        <source>Ton</source>
        <translation>Tonne</translation>
    </message>
    <message>
        <source>Pound</source>
        <translation>Pfund</translation>
    </message>
    <message>
        <source>Ounce</source>
        <translation>Unze</translation>
    </message>
    <message>
        <source>Slug</source>
        <translation>Slug</translation>
    </message>
    <message>
        <source>Megagram</source>
        <translation>Megagramm</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Masse</translation>
    </message>
</context>
<context>
    <name>qzUnitMassFluxDensity</name>
    <message>
        <source>Kilogram per square meter and second</source>
        <translation>Kilogramm pro Quadratmeter und Sekunde</translation>
    </message>
    <message>
        <source>Mass flux density</source>
        <translation>Massenstromdichte</translation>
    </message>
</context>
<context>
    <name>qzUnitMassFraction</name>
    <message>
        <source>Weight percent</source>
        <translation>Gewichtsprozent</translation>
    </message>
    <message>
        <source>Weight fraction</source>
        <translation>Gewichtsanteil</translation>
    </message>
    <message>
        <source>Mass fraction</source>
        <translation>Massenanteil</translation>
    </message>
</context>
<context>
    <name>qzUnitMassFractionGradient</name>
    <message>
        <source>Weight percent per meter</source>
        <translation>Gewichtsprozent pro Meter</translation>
    </message>
    <message>
        <source>Mass fraction gradient</source>
        <translation>Massenanteilsgradient</translation>
    </message>
</context>
<context>
    <name>qzUnitMomentOfInertia</name>
    <message>
        <source>Moment of inertia</source>
        <translation>Trägheitsmoment</translation>
    </message>
</context>
<context>
    <name>qzUnitOfInformation</name>
    <message>
        <source>Bytes</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>Kilobyte</source>
        <translation>Kilobyte</translation>
    </message>
    <message>
        <source>Megabyte</source>
        <translation>Megabyte</translation>
    </message>
    <message>
        <source>Gigabyte</source>
        <translation>Gigabyte</translation>
    </message>
    <message>
        <source>Terabyte</source>
        <translation>Terabyte</translation>
    </message>
    <message>
        <source>Unit of information</source>
        <translation>Informationsmenge</translation>
    </message>
</context>
<context>
    <name>qzUnitPercent</name>
    <message>
        <source>Percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>Verhältnis</translation>
    </message>
</context>
<context>
    <name>qzUnitPower</name>
    <message>
        <source>Watt</source>
        <translation>Watt</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Leistung</translation>
    </message>
</context>
<context>
    <name>qzUnitSpecificHeatCapacity</name>
    <message>
        <source>Specific heat capacity</source>
        <translation>Spezifische Wärmekapazität</translation>
    </message>
</context>
<context>
    <name>qzUnitSpeed</name>
    <message>
        <source>Meters per second</source>
        <translation>Meter pro Sekunde</translation>
    </message>
    <message>
        <source>Millimeters per second</source>
        <translation>Millimeter pro Sekunde</translation>
    </message>
    <message>
        <source>Feet per second</source>
        <translation>Fuß pro Sekunde</translation>
    </message>
    <message>
        <source>Inches per second</source>
        <translation>Zoll pro Sekunde</translation>
    </message>
    <message>
        <source>Miles per second</source>
        <translation>Meilen pro Sekunde</translation>
    </message>
    <message>
        <source>Meters per minute</source>
        <translation>Meter pro Minute</translation>
    </message>
    <message>
        <source>Kilometers per hour</source>
        <translation>Kilometer pro Stunde</translation>
    </message>
    <message>
        <source>Centimeters per second</source>
        <translation>Zentimeter pro Sekunde</translation>
    </message>
    <message>
        <source>Centimeters per minute</source>
        <translation>Zentimeter pro Minute</translation>
    </message>
    <message>
        <source>Inches per minute</source>
        <translation>Zoll pro Minute</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Geschwindigkeit</translation>
    </message>
</context>
<context>
    <name>qzUnitStrainRate</name>
    <message>
        <source>Strain rate</source>
        <translation>Dehnrate</translation>
    </message>
</context>
<context>
    <name>qzUnitStress</name>
    <message>
        <source>Pascal</source>
        <translation>Pascal</translation>
    </message>
    <message>
        <source>Megapascal</source>
        <translation>Megapascal</translation>
    </message>
    <message>
        <source>Kilopascal</source>
        <translation>Kilopascal</translation>
    </message>
    <message>
        <source>Pièze</source>
        <translation>Pièze</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Bar</translation>
    </message>
    <message>
        <source>Technical atmosphere</source>
        <translation>Technische Atmosphäre</translation>
    </message>
    <message>
        <source>Physical atmosphere</source>
        <translation>Physikalische Atmosphäre</translation>
    </message>
    <message>
        <source>Torr</source>
        <translation>Torr</translation>
    </message>
    <message>
        <source>Pounds per square inch</source>
        <translation>Pfund pro Quadratzoll</translation>
    </message>
    <message>
        <source>Pounds per square foot</source>
        <translation>Pfund pro Quadratfuß</translation>
    </message>
    <message>
        <source>Newton per square millimeter</source>
        <translation>Newton pro Quadratmillimeter</translation>
    </message>
    <message>
        <source>Kilograms per square inch</source>
        <translation>Kilogramm pro Quadratzoll</translation>
    </message>
    <message>
        <source>Kilograms per square centimeter</source>
        <translation>Kilogramm pro Quadratzentimeter</translation>
    </message>
    <message>
        <source>Kilograms per square millimeter</source>
        <translation>Kilogramm pro Quadratmillimeter</translation>
    </message>
    <message>
        <source>Stress</source>
        <translation>Mechanische Spannung</translation>
    </message>
</context>
<context>
    <name>qzUnitTemperature</name>
    <message>
        <source>Kelvin</source>
        <translation>Kelvin</translation>
    </message>
    <message>
        <source>Degrees Celsius</source>
        <translation>Grad Celsius</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit</source>
        <translation>Grad Fahrenheit</translation>
    </message>
    <message>
        <source>Degrees Rankine</source>
        <translation>Grad Rankine</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
</context>
<context>
    <name>qzUnitTemperatureDifference</name>
    <message>
        <source>Kelvin</source>
        <translation>Kelvin</translation>
    </message>
    <message>
        <source>Degrees Celsius</source>
        <translation>Grad Celsius</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit</source>
        <translation>Grad Fahrenheit</translation>
    </message>
    <message>
        <source>Temperature difference</source>
        <translation>Temperaturdifferenz</translation>
    </message>
</context>
<context>
    <name>qzUnitTemperatureGradient</name>
    <message>
        <source>Kelvin per meter</source>
        <translation>Kelvin pro Meter</translation>
    </message>
    <message>
        <source>Kelvin per centimeter</source>
        <translation>Kelvin pro Zentimeter</translation>
    </message>
    <message>
        <source>Kelvin per millimeter</source>
        <translation>Kelvin pro Millimeter</translation>
    </message>
    <message>
        <source>Temperature gradient</source>
        <translation>Temperaturgradient</translation>
    </message>
</context>
<context>
    <name>qzUnitTemperatureRate</name>
    <message>
        <source>Kelvin per second</source>
        <translation>Kelvin pro Sekunde</translation>
    </message>
    <message>
        <source>Kelvin per minute</source>
        <translation>Kelvin pro Minute</translation>
    </message>
    <message>
        <source>Kelvin per hour</source>
        <translation>Kelvin pro Stunde</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit per second</source>
        <translation>Grad Fahrenheit pro Sekunde</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit per minute</source>
        <translation>Grad Fahrenheit pro Minute</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit per hour</source>
        <translation>Grad Fahrenheit pro Stunde</translation>
    </message>
    <message>
        <source>Temperature rate</source>
        <translation>Temperaturänderungsrate</translation>
    </message>
</context>
<context>
    <name>qzUnitThermalConductivity</name>
    <message>
        <source>Thermal conductivity</source>
        <translation>Wärmeleitfähigkeit</translation>
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
        <translation>Wärmeausdehnungskoeff.</translation>
    </message>
</context>
<context>
    <name>qzUnitTime</name>
    <message>
        <source>Second</source>
        <translation>Sekunde</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>Millisecond</source>
        <translation>Millisekunde</translation>
    </message>
    <message>
        <source>Microsecond</source>
        <translation>Mikrosekunde</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
</context>
<context>
    <name>qzUnitTorque</name>
    <message>
        <source>Newton meter</source>
        <translation>Newtonmeter</translation>
    </message>
    <message>
        <source>Foot pounds</source>
        <translation>Fuß-Pfund</translation>
    </message>
    <message>
        <source>Inch pounds</source>
        <translation>Zoll-Pfund</translation>
    </message>
    <message>
        <source>Inch ounce-force</source>
        <translation>Zoll-Unze-Kraft</translation>
    </message>
    <message>
        <source>Foot ounce-force</source>
        <translation>Fuß-Unze-Kraft</translation>
    </message>
    <message>
        <source>Foot-poundal</source>
        <translation>Fuß-Poundal</translation>
    </message>
    <message>
        <source>Kilogram-force meter</source>
        <translation>Kilogramm-Kraft-Meter</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Drehmoment</translation>
    </message>
</context>
<context>
    <name>qzUnitTripCoefficient</name>
    <message>
        <source>Square millimeter per newton</source>
        <translation>Quadratmillimeter pro Newton</translation>
    </message>
    <message>
        <source>Square inch per kilopound</source>
        <translation>Quadratzoll pro Kilopfund</translation>
    </message>
    <message>
        <source>Square meter per newton</source>
        <translation>Quadratmeter pro Newton</translation>
    </message>
    <message>
        <source>Trip coefficient</source>
        <translation>TRIP-Koeffizient</translation>
    </message>
</context>
<context>
    <name>qzUnitTurningStiffness</name>
    <message>
        <source>Turning stiffness</source>
        <translation>Drehsteifigkeit</translation>
    </message>
</context>
<context>
    <name>qzUnitUndefined</name>
    <message>
        <source>Size of dimension one</source>
        <translation>Größe der Dimension eins</translation>
    </message>
</context>
<context>
    <name>qzUnitValue</name>
    <message>
        <source>unknown unit &apos;%1&apos;</source>
        <translation>unbekannte Einheit &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown unit &apos;%1&apos; for %2</source>
        <translation>unbekannte Einheit &apos;%1&apos; für %2</translation>
    </message>
    <message>
        <source>; did you mean %1?</source>
        <translation>; meinten Sie %1?</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a unit of %2, not of %3</source>
        <translation>&apos;%1&apos; ist eine Einheit von %2, nicht von %3</translation>
    </message>
    <message>
        <source>ambiguous unit &apos;%1&apos;: %2</source>
        <translation>mehrdeutige Einheit &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not start with a number</source>
        <translation>&apos;%1&apos; beginnt nicht mit einer Zahl</translation>
    </message>
    <message>
        <source>unexpected &apos;%1&apos; after the unit in &apos;%2&apos;</source>
        <translation>unerwartetes &apos;%1&apos; nach der Einheit in &apos;%2&apos;</translation>
    </message>
    <message>
        <source>the number in &apos;%1&apos; is too close to zero for a double</source>
        <translation>die Zahl in &apos;%1&apos; liegt für einen double zu nahe an null</translation>
    </message>
    <message>
        <source>the number in &apos;%1&apos; is too large for a double</source>
        <translation>die Zahl in &apos;%1&apos; ist für einen double zu groß</translation>
    </message>
    <message>
        <source>the fraction in &apos;%1&apos; divides by zero</source>
        <translation>der Bruch in &apos;%1&apos; teilt durch null</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has no unit</source>
        <translation>&apos;%1&apos; hat keine Einheit</translation>
    </message>
    <message>
        <source>cannot add &apos;%1&apos; to a value of %2 in &apos;%3&apos;</source>
        <translation>&apos;%1&apos; kann in &apos;%3&apos; nicht zu einem Wert von %2 addiert werden</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is of the physical dimension %2, which no dimension of the library has</source>
        <translation>&apos;%1&apos; hat die physikalische Dimension %2, die keine Dimension der Bibliothek hat</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: the decimal comma is not read in this locale</source>
        <translation>&apos;%1&apos;: das Dezimalkomma wird in diesem Gebietsschema nicht gelesen</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: &apos;%2&apos; can be read as %3 or as %4</source>
        <translation>&apos;%1&apos;: &apos;%2&apos; kann als %3 oder als %4 gelesen werden</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: the apostrophe in &apos;%2&apos; can be a foot mark or a thousands separator</source>
        <translation>&apos;%1&apos;: der Apostroph in &apos;%2&apos; kann ein Fußzeichen oder ein Tausendertrennzeichen sein</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: &apos;%2&apos; has more than one decimal point</source>
        <translation>&apos;%1&apos;: &apos;%2&apos; hat mehr als ein Dezimaltrennzeichen</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: the separators in &apos;%2&apos; do not form a number in this locale</source>
        <translation>&apos;%1&apos;: die Trennzeichen in &apos;%2&apos; ergeben in diesem Gebietsschema keine Zahl</translation>
    </message>
    <message>
        <source>&apos;%1&apos; converts with the factor %2 %3 kept for stored documents; its definition gives %4 %3</source>
        <translation>&apos;%1&apos; wird mit dem für gespeicherte Dokumente beibehaltenen Faktor %2 %3 umgerechnet; nach Definition sind es %4 %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is read with its defined factor, %2 %3; stored documents keep %4 %3 for it</source>
        <translation>&apos;%1&apos; wird mit seinem definierten Faktor %2 %3 gelesen; gespeicherte Dokumente behalten dafür %4 %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a gauge or absolute pressure, whose reference a value cannot keep; type the pressure in psi or bar</source>
        <translation>&apos;%1&apos; ist ein Über- oder Absolutdruck, dessen Bezug ein Wert nicht speichern kann; geben Sie den Druck in psi oder bar ein</translation>
    </message>
    <message>
        <source>ambiguous unit &apos;%1&apos;: written as a unit of %2, it reads physically as %3</source>
        <translation>mehrdeutige Einheit &apos;%1&apos;: als Einheit von %2 geschrieben, physikalisch jedoch %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is read as %2; it is also a unit of %3</source>
        <translation>&apos;%1&apos; wird als %2 gelesen; es ist auch eine Einheit von %3</translation>
    </message>
    <message>
        <source>nothing was typed</source>
        <translation>es wurde nichts eingegeben</translation>
    </message>
    <message>
        <source>&apos;%1&apos; lies below absolute zero</source>
        <translation>&apos;%1&apos; liegt unter dem absoluten Nullpunkt</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>the first operand has no dimension</source>
        <translation>der erste Operand hat keine Dimension</translation>
    </message>
    <message>
        <source>the second operand has no dimension</source>
        <translation>der zweite Operand hat keine Dimension</translation>
    </message>
    <message>
        <source>the first operand is %1, not a finite number</source>
        <translation>der erste Operand ist %1, keine endliche Zahl</translation>
    </message>
    <message>
        <source>the second operand is %1, not a finite number</source>
        <translation>der zweite Operand ist %1, keine endliche Zahl</translation>
    </message>
    <message>
        <source>%1 has the exponents %2, which no dimension has</source>
        <translation>%1 hat die Exponenten %2, die keine Dimension hat</translation>
    </message>
    <message>
        <source>the result %1 names no dimension</source>
        <translation>das Ergebnis %1 bezeichnet keine Dimension</translation>
    </message>
    <message>
        <source>%1 has the exponents %2, not those of %3 (%4); dimensions with %2: %5</source>
        <translation>%1 hat die Exponenten %2, nicht die von %3 (%4); Dimensionen mit %2: %5</translation>
    </message>
    <message>
        <source>%1 divides by zero</source>
        <translation>%1 teilt durch null</translation>
    </message>
    <message>
        <source>%1 overflows a double</source>
        <translation>%1 überschreitet den Bereich eines double</translation>
    </message>
</context>
<context>
    <name>qzUnitValueEdit</name>
    <message>
        <source>The text is longer than %1 characters</source>
        <translation>Der Text ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too small: at least %2</source>
        <translation>&apos;%1&apos; ist zu klein: mindestens %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too large: at most %2</source>
        <translation>&apos;%1&apos; ist zu groß: höchstens %2</translation>
    </message>
</context>
<context>
    <name>qzUnitVoltage</name>
    <message>
        <source>Volt</source>
        <translation>Volt</translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>Spannung (elektrisch)</translation>
    </message>
</context>
<context>
    <name>qzUnitVolume</name>
    <message>
        <source>Cubic meter</source>
        <translation>Kubikmeter</translation>
    </message>
    <message>
        <source>Cubic centimeter</source>
        <translation>Kubikzentimeter</translation>
    </message>
    <message>
        <source>Cubic millimeter</source>
        <translation>Kubikmillimeter</translation>
    </message>
    <message>
        <source>Cubic foot</source>
        <translation>Kubikfuß</translation>
    </message>
    <message>
        <source>Cubic inch</source>
        <translation>Kubikzoll</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
</context>
<context>
    <name>qzUnitVolumePerTime</name>
    <message>
        <source>cubic meters per second</source>
        <translation>Kubikmeter pro Sekunde</translation>
    </message>
    <message>
        <source>liters per second</source>
        <translation>Liter pro Sekunde</translation>
    </message>
    <message>
        <source>liters per minute</source>
        <translation>Liter pro Minute</translation>
    </message>
    <message>
        <source>cubic meters per minute</source>
        <translation>Kubikmeter pro Minute</translation>
    </message>
    <message>
        <source>cubic centimeters per hour</source>
        <translation>Kubikzentimeter pro Stunde</translation>
    </message>
    <message>
        <source>cubic centimeters per second</source>
        <translation>Kubikzentimeter pro Sekunde</translation>
    </message>
    <message>
        <source>cubic millimeters per second</source>
        <translation>Kubikmillimeter pro Sekunde</translation>
    </message>
    <message>
        <source>Volume flow</source>
        <translation>Volumenstrom</translation>
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
        <translation>SI (Millimeter)</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Imperial</translation>
    </message>
    <message>
        <source>US customary</source>
        <translation>US-amerikanisch</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>&amp;Unit system:</source>
        <translation>&amp;Einheitensystem:</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
</context>
<context>
    <name>qzunit</name>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Enumerator</source>
        <translation>Bezeichner</translation>
    </message>
    <message>
        <source>English name</source>
        <translation>Englischer Name</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Anmerkungen</translation>
    </message>
    <message>
        <source>SI unit</source>
        <translation>SI-Einheit</translation>
    </message>
    <message>
        <source>view unit</source>
        <translation>Anzeigeeinheit</translation>
    </message>
    <message>
        <source>&apos;%1&apos; bytes is too large: counts reach %2</source>
        <translation>&apos;%1&apos; Byte sind zu viele: Anzahlen reichen bis %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a whole number of bytes</source>
        <translation>&apos;%1&apos; ist keine ganze Zahl von Bytes</translation>
    </message>
    <message>
        <source>division by zero</source>
        <translation>Division durch null</translation>
    </message>
    <message>
        <source>a number divided by a value has no dimension of the library</source>
        <translation>eine Zahl geteilt durch einen Wert hat keine Dimension der Bibliothek</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>eine Zahl</translation>
    </message>
    <message>
        <source>cannot add %1 and %2: different dimensions</source>
        <translation>%1 und %2 können nicht addiert werden: verschiedene Dimensionen</translation>
    </message>
    <message>
        <source>unexpected &apos;%1&apos; in &apos;%2&apos;</source>
        <translation>unerwartetes &apos;%1&apos; in &apos;%2&apos;</translation>
    </message>
    <message>
        <source>missing &apos;)&apos; in &apos;%1&apos;</source>
        <translation>fehlende &apos;)&apos; in &apos;%1&apos;</translation>
    </message>
    <message>
        <source>missing value in &apos;%1&apos;</source>
        <translation>fehlender Wert in &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the result is of %1, not of %2</source>
        <translation>das Ergebnis ist %1, nicht %2</translation>
    </message>
    <message>
        <source>cannot express %1 in &apos;%2&apos;</source>
        <translation>%1 lässt sich nicht in &apos;%2&apos; ausdrücken</translation>
    </message>
    <message>
        <source>unknown dimension &apos;%1&apos; (see qzunit dimensions)</source>
        <translation>unbekannte Dimension &apos;%1&apos; (siehe qzunit dimensions)</translation>
    </message>
    <message>
        <source>unknown preset &apos;%1&apos; (one of %2)</source>
        <translation>unbekannte Voreinstellung &apos;%1&apos; (eine von %2)</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>Hinweis: %1</translation>
    </message>
    <message>
        <source>note: %1 read as %2 (also %3); choose another with --dimension</source>
        <translation>Hinweis: %1 als %2 gelesen (auch %3); eine andere mit --dimension wählen</translation>
    </message>
    <message>
        <source>%1 fits several dimensions: %2 (choose one with --dimension)</source>
        <translation>%1 passt zu mehreren Dimensionen: %2 (eine mit --dimension wählen)</translation>
    </message>
    <message>
        <source>no target unit after &apos;%1 %2&apos;</source>
        <translation>keine Zieleinheit nach &apos;%1 %2&apos;</translation>
    </message>
    <message>
        <source>cannot convert &apos;%1&apos; (%2) to &apos;%3&apos; (%4): different dimensions</source>
        <translation>&apos;%1&apos; (%2) kann nicht in &apos;%3&apos; (%4) umgerechnet werden: verschiedene Dimensionen</translation>
    </message>
    <message>
        <source>&apos;%1&apos; to &apos;%2&apos;</source>
        <translation>&apos;%1&apos; in &apos;%2&apos;</translation>
    </message>
    <message>
        <source>warning: %1 lies outside the validity range of %2 (%3 to %4)</source>
        <translation>Warnung: %1 liegt außerhalb des Gültigkeitsbereichs von %2 (%3 bis %4)</translation>
    </message>
    <message>
        <source>missing value after &apos;%1&apos;</source>
        <translation>fehlender Wert nach &apos;%1&apos;</translation>
    </message>
    <message>
        <source>invalid --format &apos;%1&apos; (one of g, f, e)</source>
        <translation>ungültiges --format &apos;%1&apos; (eines von g, f, e)</translation>
    </message>
    <message>
        <source>invalid --precision &apos;%1&apos; (a whole number from 0 to 99)</source>
        <translation>ungültige --precision &apos;%1&apos; (eine ganze Zahl von 0 bis 99)</translation>
    </message>
    <message>
        <source>no command given (one of %1; see qzunit --help)</source>
        <translation>kein Befehl angegeben (einer von %1; siehe qzunit --help)</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (one of %2)</source>
        <translation>unbekannter Befehl &apos;%1&apos; (einer von %2)</translation>
    </message>
    <message>
        <source>usage: qzunit %1 %2</source>
        <translation>Aufruf: qzunit %1 %2</translation>
    </message>
    <message>
        <source>option --%1 does not apply to %2</source>
        <translation>Option --%1 gilt nicht für %2</translation>
    </message>
    <message>
        <source>note: &apos;%1&apos; keeps the factor %2 for stored data; physically it is %3 %4</source>
        <translation>Hinweis: &apos;%1&apos; behält für gespeicherte Daten den Faktor %2; physikalisch ist es %3 %4</translation>
    </message>
</context>
</TS>
