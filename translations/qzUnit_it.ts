<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>ExampleWindow</name>
    <message>
        <source>Gauge length</source>
        <translation>Lunghezza tra i riferimenti</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diametro</translation>
    </message>
    <message>
        <source>Maximum force</source>
        <translation>Forza massima</translation>
    </message>
    <message>
        <source>Yield strength</source>
        <translation>Carico di snervamento</translation>
    </message>
    <message>
        <source>Test temperature</source>
        <translation>Temperatura di prova</translation>
    </message>
    <message>
        <source>Hardness</source>
        <translation>Durezza</translation>
    </message>
    <message>
        <source>Tensile test</source>
        <translation>Prova di trazione</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>Specimen</source>
        <translation>Provetta</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Misure</translation>
    </message>
    <message>
        <source>View units</source>
        <translation>Unità di visualizzazione</translation>
    </message>
</context>
<context>
    <name>XmlReaderWriterBase</name>
    <message>
        <source>Invalid XML element %0: &apos;%1&apos;</source>
        <translation>Elemento XML %0 non valido: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Invalid XML attribute %0: &apos;%1&apos;</source>
        <translation>Attributo XML %0 non valido: &apos;%1&apos;</translation>
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
        <translation>Joule al chilogrammo</translation>
    </message>
    <message>
        <source>Square meter per square second</source>
        <translation>Metro quadrato al secondo quadrato</translation>
    </message>
    <message>
        <source>Absorbed dose (of radiation)</source>
        <translation>Dose assorbita (radiazioni)</translation>
    </message>
</context>
<context>
    <name>qzUnitAcceleration</name>
    <message>
        <source>Meter per square second</source>
        <translation>Metro al secondo quadrato</translation>
    </message>
    <message>
        <source>Inches per square second</source>
        <translation>Pollice al secondo quadrato</translation>
    </message>
    <message>
        <source>Feet per square second</source>
        <translation>Piede al secondo quadrato</translation>
    </message>
    <message>
        <source>Inches per minute per second</source>
        <translation>Pollice al minuto al secondo</translation>
    </message>
    <message>
        <source>Feet per minute per second</source>
        <translation>Piede al minuto al secondo</translation>
    </message>
    <message>
        <source>Miles per hour per second</source>
        <translation>Miglio all&apos;ora al secondo</translation>
    </message>
    <message>
        <source>Galileo</source>
        <translation>Gal</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Accelerazione</translation>
    </message>
</context>
<context>
    <name>qzUnitAngle</name>
    <message>
        <source>Radian</source>
        <translation>Radiante</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>Grado</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angolo</translation>
    </message>
</context>
<context>
    <name>qzUnitAngularVelocity</name>
    <message>
        <source>Radians per second</source>
        <translation>Radiante al secondo</translation>
    </message>
    <message>
        <source>Revolutions per second</source>
        <translation>Giro al secondo</translation>
    </message>
    <message>
        <source>Rps</source>
        <translation>giri/s</translation>
    </message>
    <message>
        <source>Revolutions per minute</source>
        <translation>Giro al minuto</translation>
    </message>
    <message>
        <source>Rpm</source>
        <translation>giri/min</translation>
    </message>
    <message>
        <source>Revolutions per hour</source>
        <translation>Giro all&apos;ora</translation>
    </message>
    <message>
        <source>Rph</source>
        <translation>giri/h</translation>
    </message>
    <message>
        <source>Angle velocity</source>
        <translation>Velocità angolare</translation>
    </message>
</context>
<context>
    <name>qzUnitArea</name>
    <message>
        <source>Square meter</source>
        <translation>Metro quadrato</translation>
    </message>
    <message>
        <source>Square centimeter</source>
        <translation>Centimetro quadrato</translation>
    </message>
    <message>
        <source>Square millimeter</source>
        <translation>Millimetro quadrato</translation>
    </message>
    <message>
        <source>Square micrometer</source>
        <translation>Micrometro quadrato</translation>
    </message>
    <message>
        <source>Square kilometer</source>
        <translation>Chilometro quadrato</translation>
    </message>
    <message>
        <source>Square foot</source>
        <translation>Piede quadrato</translation>
    </message>
    <message>
        <source>Square inch</source>
        <translation>Pollice quadrato</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Area</translation>
    </message>
</context>
<context>
    <name>qzUnitAreicElectricalConductivity</name>
    <message>
        <source>per ohm square meter</source>
        <translation>per ohm metro quadrato</translation>
    </message>
    <message>
        <source>per milliohm square meter</source>
        <translation>per milliohm metro quadrato</translation>
    </message>
    <message>
        <source>per microhm square meter</source>
        <translation>per microohm metro quadrato</translation>
    </message>
    <message>
        <source>per nanoohm square meter</source>
        <translation>per nanoohm metro quadrato</translation>
    </message>
    <message>
        <source>Electrical contact conductivity</source>
        <translation>Conduttanza elettrica di contatto</translation>
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
        <translation>Chiloampere</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Corrente elettrica</translation>
    </message>
</context>
<context>
    <name>qzUnitDensity</name>
    <message>
        <source>Kilograms per cubic meter</source>
        <translation>Chilogrammo al metro cubo</translation>
    </message>
    <message>
        <source>Kilograms per cubic centimeter</source>
        <translation>Chilogrammo al centimetro cubo</translation>
    </message>
    <message>
        <source>Kilograms per cubic millimeter</source>
        <translation>Chilogrammo al millimetro cubo</translation>
    </message>
    <message>
        <source>Pound per cubic foot</source>
        <translation>Libbra al piede cubo</translation>
    </message>
    <message>
        <source>Pound per cubic inch</source>
        <translation>Libbra al pollice cubo</translation>
    </message>
    <message>
        <source>Ton per cubic centimeter</source>
        <translation>Tonnellata al centimetro cubo</translation>
    </message>
    <message>
        <source>Gram per cubic centimeter</source>
        <translation>Grammo al centimetro cubo</translation>
    </message>
    <message>
        <source>Megagram per cubic millimeter</source>
        <translation>Megagrammo al millimetro cubo</translation>
    </message>
    <message>
        <source>Gram per cubic meter</source>
        <translation>Grammo al metro cubo</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Massa volumica</translation>
    </message>
</context>
<context>
    <name>qzUnitDiffusivity</name>
    <message>
        <source>Square meters per second</source>
        <translation>Metro quadrato al secondo</translation>
    </message>
    <message>
        <source>Diffusivity</source>
        <translation>Coefficiente di diffusione</translation>
    </message>
</context>
<context>
    <name>qzUnitDistancePerRevolution</name>
    <message>
        <source>Meter per revolution</source>
        <translation>Metro al giro</translation>
    </message>
    <message>
        <source>Centimeter per revolution</source>
        <translation>Centimetro al giro</translation>
    </message>
    <message>
        <source>Millimeter per revolution</source>
        <translation>Millimetro al giro</translation>
    </message>
    <message>
        <source>Foot per revolution</source>
        <translation>Piede al giro</translation>
    </message>
    <message>
        <source>Inch per revolution</source>
        <translation>Pollice al giro</translation>
    </message>
    <message>
        <source>Mile per revolution</source>
        <translation>Miglio al giro</translation>
    </message>
    <message>
        <source>Mil per revolution</source>
        <translation>Mil al giro</translation>
    </message>
    <message>
        <source>Kilometer per revolution</source>
        <translation>Chilometro al giro</translation>
    </message>
    <message>
        <source>m/r</source>
        <comment>Einheit Weg pro Umdrehung [m/U]</comment>
        <translation>m/giro</translation>
    </message>
    <message>
        <source>cm/r</source>
        <comment>Einheit Weg pro Umdrehung [cm/U]</comment>
        <translation>cm/giro</translation>
    </message>
    <message>
        <source>mm/r</source>
        <comment>Einheit Weg pro Umdrehung [mm/U]</comment>
        <translation>mm/giro</translation>
    </message>
    <message>
        <source>ft/r</source>
        <comment>Einheit Weg pro Umdrehung [ft/U]</comment>
        <translation>ft/giro</translation>
    </message>
    <message>
        <source>in/r</source>
        <comment>Einheit Weg pro Umdrehung [in/U]</comment>
        <translation>in/giro</translation>
    </message>
    <message>
        <source>mi/r</source>
        <comment>Einheit Weg pro Umdrehung [mi/U]</comment>
        <translation>mi/giro</translation>
    </message>
    <message>
        <source>mil/r</source>
        <comment>Einheit Weg pro Umdrehung [mil/U]</comment>
        <translation>mil/giro</translation>
    </message>
    <message>
        <source>km/r</source>
        <comment>Einheit Weg pro Umdrehung [km/U]</comment>
        <translation>km/giro</translation>
    </message>
    <message>
        <source>Distance per revolution</source>
        <comment>de=Weg pro Umdrehung</comment>
        <translation>Distanza al giro</translation>
    </message>
</context>
<context>
    <name>qzUnitElectricField</name>
    <message>
        <source>Volt/meter</source>
        <translation>Volt/metro</translation>
    </message>
    <message>
        <source>V/m</source>
        <translation>V/m</translation>
    </message>
    <message>
        <source>Electric field intensity</source>
        <translation>Intensità del campo elettrico</translation>
    </message>
</context>
<context>
    <name>qzUnitElectricalConductivity</name>
    <message>
        <source>1 / (Ohm * meter)</source>
        <translation>1 / (ohm * metro)</translation>
    </message>
    <message>
        <source>1 / (%1Ohm * meter)</source>
        <translation>1 / (%1ohm * metro)</translation>
    </message>
    <message>
        <source>Electrical conductivity</source>
        <translation>Conduttività elettrica</translation>
    </message>
</context>
<context>
    <name>qzUnitElectricalCurrentDensity</name>
    <message>
        <source>Ampere per square meter</source>
        <translation>Ampere al metro quadrato</translation>
    </message>
    <message>
        <source>Microampere per square meter</source>
        <translation>Microampere al metro quadrato</translation>
    </message>
    <message>
        <source>Milliampere per square meter</source>
        <translation>Milliampere al metro quadrato</translation>
    </message>
    <message>
        <source>Kiloampere per square meter</source>
        <translation>Chiloampere al metro quadrato</translation>
    </message>
    <message>
        <source>Megaampere per square meter</source>
        <translation>Megaampere al metro quadrato</translation>
    </message>
    <message>
        <source>Current density</source>
        <translation>Densità di corrente</translation>
    </message>
</context>
<context>
    <name>qzUnitElectricalResistivity</name>
    <message>
        <source>Ohm * meter</source>
        <translation>Ohm * metro</translation>
    </message>
    <message>
        <source>%1Ohm * meter</source>
        <translation>%1ohm * metro</translation>
    </message>
    <message>
        <source>Electrical resistivity</source>
        <comment>Electrical resistivity Material specific value, does not depend on other factors like geometry (DO NOT confuse with &apos;Resistance&apos;)</comment>
        <translation>Resistività elettrica</translation>
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
        <translation>Chilojoule</translation>
    </message>
    <message>
        <source>Kilowatt hour</source>
        <translation>Chilowattora</translation>
    </message>
    <message>
        <source>Electron volt</source>
        <translation>Elettronvolt</translation>
    </message>
    <message>
        <source>Kilopond meter</source>
        <translation>Chilopond metro</translation>
    </message>
    <message>
        <source>Calorie (IT)</source>
        <translation>Caloria (IT)</translation>
    </message>
    <message>
        <source>British thermal unit (IT)</source>
        <translation>British thermal unit (IT)</translation>
    </message>
    <message>
        <source>Inch-Pound Force</source>
        <translation>Pollice-libbra-forza</translation>
    </message>
    <message>
        <source>Foot-Pound Force</source>
        <translation>Piede-libbra-forza</translation>
    </message>
    <message>
        <source>Megajoule</source>
        <translation>Megajoule</translation>
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
        <translation>Joule al metro cubo</translation>
    </message>
    <message>
        <source>Microjoule per cubic meter</source>
        <translation>Microjoule al metro cubo</translation>
    </message>
    <message>
        <source>Millijoule per cubic meter</source>
        <translation>Millijoule al metro cubo</translation>
    </message>
    <message>
        <source>Kilojoule per cubic meter</source>
        <translation>Chilojoule al metro cubo</translation>
    </message>
    <message>
        <source>Megajoule per cubic meter</source>
        <translation>Megajoule al metro cubo</translation>
    </message>
    <message>
        <source>Joule per cubic millimeter</source>
        <translation>Joule al millimetro cubo</translation>
    </message>
    <message>
        <source>Energy density</source>
        <translation>Densità di energia</translation>
    </message>
</context>
<context>
    <name>qzUnitEnergyLength</name>
    <message>
        <source>Energy input per unit length</source>
        <translation>Apporto termico per unità di lunghezza</translation>
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
        <translation>Oncia-forza</translation>
    </message>
    <message>
        <source>Pound (Force)</source>
        <translation>Libbra-forza</translation>
    </message>
    <message>
        <source>Kilopond</source>
        <translation>Chilopond</translation>
    </message>
    <message>
        <source>Ton (Force)</source>
        <translation>Tonnellata-forza</translation>
    </message>
    <message>
        <source>Dyne</source>
        <translation>Dina</translation>
    </message>
    <message>
        <source>Kilonewton</source>
        <translation>Chilonewton</translation>
    </message>
    <message>
        <source>Short ton</source>
        <translation>Tonnellata corta</translation>
    </message>
    <message>
        <source>Long ton</source>
        <translation>Tonnellata lunga</translation>
    </message>
    <message>
        <source>Kilopound (Force)</source>
        <translation>Chilolibbra-forza</translation>
    </message>
    <message>
        <source>Kilogram-force</source>
        <translation>Chilogrammo-forza</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Forza</translation>
    </message>
</context>
<context>
    <name>qzUnitForceLength</name>
    <message>
        <source>Newton per meter</source>
        <translation>Newton al metro</translation>
    </message>
    <message>
        <source>Newton per Millimeter</source>
        <translation>Newton al millimetro</translation>
    </message>
    <message>
        <source>Kilonewton per Millimeter</source>
        <translation>Chilonewton al millimetro</translation>
    </message>
    <message>
        <source>Force per length</source>
        <translation>Forza per unità di lunghezza</translation>
    </message>
</context>
<context>
    <name>qzUnitForcePerVolume</name>
    <message>
        <source>Newton per cubic meter</source>
        <translation>Newton al metro cubo</translation>
    </message>
    <message>
        <source>Force per volume</source>
        <translation>Forza per unità di volume</translation>
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
        <translation>Vibrazione al secondo</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenza</translation>
    </message>
</context>
<context>
    <name>qzUnitGrainSize</name>
    <message>
        <source>Micrometer</source>
        <translation>Micrometro</translation>
    </message>
    <message>
        <source>ASTM</source>
        <translation>ASTM</translation>
    </message>
    <message>
        <source>Grain size</source>
        <translation>Dimensione del grano</translation>
    </message>
</context>
<context>
    <name>qzUnitHardness</name>
    <message>
        <source>Newton per square meter</source>
        <translation>Newton al metro quadrato</translation>
    </message>
    <message>
        <source>Newton per square millimeter</source>
        <translation>Newton al millimetro quadrato</translation>
    </message>
    <message>
        <source>Pound-force per square inch</source>
        <translation>Libbra-forza al pollice quadrato</translation>
    </message>
    <message>
        <source>Rockwell hardness</source>
        <translation>Durezza Rockwell</translation>
    </message>
    <message>
        <source>Brinell hardness</source>
        <translation>Durezza Brinell</translation>
    </message>
    <message>
        <source>Vickers hardness</source>
        <translation>Durezza Vickers</translation>
    </message>
    <message>
        <source>Hardness</source>
        <translation>Durezza</translation>
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
        <translation>Chilojoule</translation>
    </message>
    <message>
        <source>Calorie (IT)</source>
        <translation>Caloria (IT)</translation>
    </message>
    <message>
        <source>Kilocalorie (IT)</source>
        <translation>Chilocaloria (IT)</translation>
    </message>
    <message>
        <source>British thermal unit (IT)</source>
        <translation>British thermal unit (IT)</translation>
    </message>
    <message>
        <source>Heat energy</source>
        <translation>Quantità di calore</translation>
    </message>
</context>
<context>
    <name>qzUnitHeatCapacity</name>
    <message>
        <source>Heat capacity</source>
        <translation>Capacità termica</translation>
    </message>
</context>
<context>
    <name>qzUnitHeatFlux</name>
    <message>
        <source>Heat flow</source>
        <translation>Densità di flusso termico</translation>
    </message>
</context>
<context>
    <name>qzUnitHeatTransferCoefficient</name>
    <message>
        <source>Heat transfer coefficient</source>
        <translation>Coefficiente di scambio termico</translation>
    </message>
</context>
<context>
    <name>qzUnitLatentHeat</name>
    <message>
        <source>Joule per kilogram</source>
        <translation>Joule al chilogrammo</translation>
    </message>
    <message>
        <source>Joule per gram</source>
        <translation>Joule al grammo</translation>
    </message>
    <message>
        <source>Millimeter squared per second squared</source>
        <translation>Millimetro quadrato al secondo quadrato</translation>
    </message>
    <message>
        <source>Latent heat</source>
        <translation>Calore latente</translation>
    </message>
</context>
<context>
    <name>qzUnitLength</name>
    <message>
        <source>Meter</source>
        <translation>Metro</translation>
    </message>
    <message>
        <source>Centimeter</source>
        <translation>Centimetro</translation>
    </message>
    <message>
        <source>Millimeter</source>
        <translation>Millimetro</translation>
    </message>
    <message>
        <source>Foot</source>
        <translation>Piede</translation>
    </message>
    <message>
        <source>Inch</source>
        <translation>Pollice</translation>
    </message>
    <message>
        <source>Mile</source>
        <translation>Miglio</translation>
    </message>
    <message>
        <source>Mil</source>
        <translation>Mil</translation>
    </message>
    <message>
        <source>Micron</source>
        <translation>Micron</translation>
    </message>
    <message>
        <source>Microinch</source>
        <translation>Micropollice</translation>
    </message>
    <message>
        <source>Kilometer</source>
        <translation>Chilometro</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Lunghezza</translation>
    </message>
</context>
<context>
    <name>qzUnitMagneticField</name>
    <message>
        <source>Ampere/meter</source>
        <translation>Ampere/metro</translation>
    </message>
    <message>
        <source>A/m</source>
        <translation>A/m</translation>
    </message>
    <message>
        <source>Magnetic field intensity</source>
        <translation>Intensità del campo magnetico</translation>
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
        <translation>Induzione magnetica</translation>
    </message>
</context>
<context>
    <name>qzUnitMass</name>
    <message>
        <source>Kilogram</source>
        <translation>Chilogrammo</translation>
    </message>
    <message>
        <source>Gram</source>
        <translation>Grammo</translation>
    </message>
    <message>
        <source>Ton</source>
        <translation>Tonnellata</translation>
    </message>
    <message>
        <source>Pound</source>
        <translation>Libbra</translation>
    </message>
    <message>
        <source>Ounce</source>
        <translation>Oncia</translation>
    </message>
    <message>
        <source>Slug</source>
        <translation>Slug</translation>
    </message>
    <message>
        <source>Megagram</source>
        <translation>Megagrammo</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Massa</translation>
    </message>
</context>
<context>
    <name>qzUnitMassFluxDensity</name>
    <message>
        <source>Kilogram per square meter and second</source>
        <translation>Chilogrammo al metro quadrato al secondo</translation>
    </message>
    <message>
        <source>Mass flux density</source>
        <translation>Densità di flusso di massa</translation>
    </message>
</context>
<context>
    <name>qzUnitMassFraction</name>
    <message>
        <source>Weight percent</source>
        <translation>Percentuale in peso</translation>
    </message>
    <message>
        <source>Weight fraction</source>
        <translation>Frazione in peso</translation>
    </message>
    <message>
        <source>Mass fraction</source>
        <translation>Frazione di massa</translation>
    </message>
</context>
<context>
    <name>qzUnitMassFractionGradient</name>
    <message>
        <source>Weight percent per meter</source>
        <translation>Percentuale in peso al metro</translation>
    </message>
    <message>
        <source>Mass fraction gradient</source>
        <translation>Gradiente di frazione di massa</translation>
    </message>
</context>
<context>
    <name>qzUnitMomentOfInertia</name>
    <message>
        <source>Moment of inertia</source>
        <translation>Momento d&apos;inerzia</translation>
    </message>
</context>
<context>
    <name>qzUnitOfInformation</name>
    <message>
        <source>Bytes</source>
        <translation>Byte</translation>
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
        <translation>Quantità di informazione</translation>
    </message>
</context>
<context>
    <name>qzUnitPercent</name>
    <message>
        <source>Percent</source>
        <translation>Percento</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>Rapporto</translation>
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
        <translation>Potenza</translation>
    </message>
</context>
<context>
    <name>qzUnitSpecificHeatCapacity</name>
    <message>
        <source>Specific heat capacity</source>
        <translation>Capacità termica specifica</translation>
    </message>
</context>
<context>
    <name>qzUnitSpeed</name>
    <message>
        <source>Meters per second</source>
        <translation>Metro al secondo</translation>
    </message>
    <message>
        <source>Millimeters per second</source>
        <translation>Millimetro al secondo</translation>
    </message>
    <message>
        <source>Feet per second</source>
        <translation>Piede al secondo</translation>
    </message>
    <message>
        <source>Inches per second</source>
        <translation>Pollice al secondo</translation>
    </message>
    <message>
        <source>Miles per second</source>
        <translation>Miglio al secondo</translation>
    </message>
    <message>
        <source>Meters per minute</source>
        <translation>Metro al minuto</translation>
    </message>
    <message>
        <source>Kilometers per hour</source>
        <translation>Chilometro all&apos;ora</translation>
    </message>
    <message>
        <source>Centimeters per second</source>
        <translation>Centimetro al secondo</translation>
    </message>
    <message>
        <source>Centimeters per minute</source>
        <translation>Centimetro al minuto</translation>
    </message>
    <message>
        <source>Inches per minute</source>
        <translation>Pollice al minuto</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Velocità</translation>
    </message>
</context>
<context>
    <name>qzUnitStrainRate</name>
    <message>
        <source>Strain rate</source>
        <translation>Velocità di deformazione</translation>
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
        <translation>Chilopascal</translation>
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
        <translation>Atmosfera tecnica</translation>
    </message>
    <message>
        <source>Physical atmosphere</source>
        <translation>Atmosfera fisica</translation>
    </message>
    <message>
        <source>Torr</source>
        <translation>Torr</translation>
    </message>
    <message>
        <source>Pounds per square inch</source>
        <translation>Libbra al pollice quadrato</translation>
    </message>
    <message>
        <source>Pounds per square foot</source>
        <translation>Libbra al piede quadrato</translation>
    </message>
    <message>
        <source>Newton per square millimeter</source>
        <translation>Newton al millimetro quadrato</translation>
    </message>
    <message>
        <source>Kilograms per square inch</source>
        <translation>Chilogrammo al pollice quadrato</translation>
    </message>
    <message>
        <source>Kilograms per square centimeter</source>
        <translation>Chilogrammo al centimetro quadrato</translation>
    </message>
    <message>
        <source>Kilograms per square millimeter</source>
        <translation>Chilogrammo al millimetro quadrato</translation>
    </message>
    <message>
        <source>Stress</source>
        <translation>Tensione meccanica</translation>
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
        <translation>Grado Celsius</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit</source>
        <translation>Grado Fahrenheit</translation>
    </message>
    <message>
        <source>Degrees Rankine</source>
        <translation>Grado Rankine</translation>
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
        <translation>Kelvin</translation>
    </message>
    <message>
        <source>Degrees Celsius</source>
        <translation>Grado Celsius</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit</source>
        <translation>Grado Fahrenheit</translation>
    </message>
    <message>
        <source>Temperature difference</source>
        <translation>Differenza di temperatura</translation>
    </message>
</context>
<context>
    <name>qzUnitTemperatureGradient</name>
    <message>
        <source>Kelvin per meter</source>
        <translation>Kelvin al metro</translation>
    </message>
    <message>
        <source>Kelvin per centimeter</source>
        <translation>Kelvin al centimetro</translation>
    </message>
    <message>
        <source>Kelvin per millimeter</source>
        <translation>Kelvin al millimetro</translation>
    </message>
    <message>
        <source>Temperature gradient</source>
        <translation>Gradiente di temperatura</translation>
    </message>
</context>
<context>
    <name>qzUnitTemperatureRate</name>
    <message>
        <source>Kelvin per second</source>
        <translation>Kelvin al secondo</translation>
    </message>
    <message>
        <source>Kelvin per minute</source>
        <translation>Kelvin al minuto</translation>
    </message>
    <message>
        <source>Kelvin per hour</source>
        <translation>Kelvin all&apos;ora</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit per second</source>
        <translation>Grado Fahrenheit al secondo</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit per minute</source>
        <translation>Grado Fahrenheit al minuto</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit per hour</source>
        <translation>Grado Fahrenheit all&apos;ora</translation>
    </message>
    <message>
        <source>Temperature rate</source>
        <translation>Velocità di variazione della temperatura</translation>
    </message>
</context>
<context>
    <name>qzUnitThermalConductivity</name>
    <message>
        <source>Thermal conductivity</source>
        <translation>Conduttività termica</translation>
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
        <translation>Coeff. di dilatazione termica</translation>
    </message>
</context>
<context>
    <name>qzUnitTime</name>
    <message>
        <source>Second</source>
        <translation>Secondo</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuto</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Millisecond</source>
        <translation>Millisecondo</translation>
    </message>
    <message>
        <source>Microsecond</source>
        <translation>Microsecondo</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
</context>
<context>
    <name>qzUnitTorque</name>
    <message>
        <source>Newton meter</source>
        <translation>Newton metro</translation>
    </message>
    <message>
        <source>Foot pounds</source>
        <translation>Piede-libbra</translation>
    </message>
    <message>
        <source>Inch pounds</source>
        <translation>Pollice-libbra</translation>
    </message>
    <message>
        <source>Inch ounce-force</source>
        <translation>Pollice-oncia-forza</translation>
    </message>
    <message>
        <source>Foot ounce-force</source>
        <translation>Piede-oncia-forza</translation>
    </message>
    <message>
        <source>Foot-poundal</source>
        <translation>Piede-poundal</translation>
    </message>
    <message>
        <source>Kilogram-force meter</source>
        <translation>Chilogrammo-forza metro</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Coppia</translation>
    </message>
</context>
<context>
    <name>qzUnitTripCoefficient</name>
    <message>
        <source>Square millimeter per newton</source>
        <translation>Millimetro quadrato al newton</translation>
    </message>
    <message>
        <source>Square inch per kilopound</source>
        <translation>Pollice quadrato alla chilolibbra</translation>
    </message>
    <message>
        <source>Square meter per newton</source>
        <translation>Metro quadrato al newton</translation>
    </message>
    <message>
        <source>Trip coefficient</source>
        <translation>Coefficiente TRIP</translation>
    </message>
</context>
<context>
    <name>qzUnitTurningStiffness</name>
    <message>
        <source>Turning stiffness</source>
        <translation>Rigidezza torsionale</translation>
    </message>
</context>
<context>
    <name>qzUnitUndefined</name>
    <message>
        <source>Size of dimension one</source>
        <translation>Grandezza di dimensione uno</translation>
    </message>
</context>
<context>
    <name>qzUnitValue</name>
    <message>
        <source>unknown unit &apos;%1&apos;</source>
        <translation>unità sconosciuta &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is of the physical dimension %2, which no dimension of the library has</source>
        <translation>&apos;%1&apos; ha la dimensione fisica %2, che nessuna grandezza della libreria ha</translation>
    </message>
    <message>
        <source>unknown unit &apos;%1&apos; for %2</source>
        <translation>unità sconosciuta &apos;%1&apos; per %2</translation>
    </message>
    <message>
        <source>; did you mean %1?</source>
        <translation>; forse si intendeva %1?</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a unit of %2, not of %3</source>
        <translation>&apos;%1&apos; è un&apos;unità di %2, non di %3</translation>
    </message>
    <message>
        <source>ambiguous unit &apos;%1&apos;: %2</source>
        <translation>unità ambigua &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: the decimal comma is not read in this locale</source>
        <translation>&apos;%1&apos;: la virgola decimale non viene letta con queste impostazioni locali</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not start with a number</source>
        <translation>&apos;%1&apos; non inizia con un numero</translation>
    </message>
    <message>
        <source>unexpected &apos;%1&apos; after the unit in &apos;%2&apos;</source>
        <translation>&apos;%1&apos; inatteso dopo l&apos;unità in &apos;%2&apos;</translation>
    </message>
    <message>
        <source>the number in &apos;%1&apos; is too close to zero for a double</source>
        <translation>il numero in &apos;%1&apos; è troppo vicino a zero per un double</translation>
    </message>
    <message>
        <source>the number in &apos;%1&apos; is too large for a double</source>
        <translation>il numero in &apos;%1&apos; è troppo grande per un double</translation>
    </message>
    <message>
        <source>the fraction in &apos;%1&apos; divides by zero</source>
        <translation>la frazione in &apos;%1&apos; divide per zero</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has no unit</source>
        <translation>&apos;%1&apos; non ha unità</translation>
    </message>
    <message>
        <source>cannot add &apos;%1&apos; to a value of %2 in &apos;%3&apos;</source>
        <translation>impossibile sommare &apos;%1&apos; a un valore di %2 in &apos;%3&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: &apos;%2&apos; can be read as %3 or as %4</source>
        <translation>&apos;%1&apos;: &apos;%2&apos; può essere letto come %3 o come %4</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: the apostrophe in &apos;%2&apos; can be a foot mark or a thousands separator</source>
        <translation>&apos;%1&apos;: l&apos;apostrofo in &apos;%2&apos; può essere il segno dei piedi o un separatore delle migliaia</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: &apos;%2&apos; has more than one decimal point</source>
        <translation>&apos;%1&apos;: &apos;%2&apos; ha più di un separatore decimale</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: the separators in &apos;%2&apos; do not form a number in this locale</source>
        <translation>&apos;%1&apos;: i separatori in &apos;%2&apos; non formano un numero con queste impostazioni locali</translation>
    </message>
    <message>
        <source>&apos;%1&apos; converts with the factor %2 %3 kept for stored documents; its definition gives %4 %3</source>
        <translation>&apos;%1&apos; si converte con il fattore %2 %3 conservato per i documenti salvati; la sua definizione dà %4 %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is read with its defined factor, %2 %3; stored documents keep %4 %3 for it</source>
        <translation>&apos;%1&apos; si legge con il suo fattore definito, %2 %3; i documenti salvati conservano %4 %3 per questa unità</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a gauge or absolute pressure, whose reference a value cannot keep; type the pressure in psi or bar</source>
        <translation>&apos;%1&apos; è una pressione relativa o assoluta, il cui riferimento un valore non può conservare; inserire la pressione in psi o bar</translation>
    </message>
    <message>
        <source>ambiguous unit &apos;%1&apos;: written as a unit of %2, it reads physically as %3</source>
        <translation>unità ambigua &apos;%1&apos;: scritta come unità di %2, fisicamente si legge come %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is read as %2; it is also a unit of %3</source>
        <translation>&apos;%1&apos; si legge come %2; è anche un&apos;unità di %3</translation>
    </message>
    <message>
        <source>nothing was typed</source>
        <translation>non è stato digitato nulla</translation>
    </message>
    <message>
        <source>&apos;%1&apos; lies below absolute zero</source>
        <translation>&apos;%1&apos; è al di sotto dello zero assoluto</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuna</translation>
    </message>
    <message>
        <source>the first operand has no dimension</source>
        <translation>il primo operando non ha grandezza</translation>
    </message>
    <message>
        <source>the second operand has no dimension</source>
        <translation>il secondo operando non ha grandezza</translation>
    </message>
    <message>
        <source>the first operand is %1, not a finite number</source>
        <translation>il primo operando è %1, non un numero finito</translation>
    </message>
    <message>
        <source>the second operand is %1, not a finite number</source>
        <translation>il secondo operando è %1, non un numero finito</translation>
    </message>
    <message>
        <source>%1 has the exponents %2, which no dimension has</source>
        <translation>%1 ha gli esponenti %2, che nessuna grandezza ha</translation>
    </message>
    <message>
        <source>the result %1 names no dimension</source>
        <translation>il risultato %1 non indica nessuna grandezza</translation>
    </message>
    <message>
        <source>%1 has the exponents %2, not those of %3 (%4); dimensions with %2: %5</source>
        <translation>%1 ha gli esponenti %2, non quelli di %3 (%4); grandezze con %2: %5</translation>
    </message>
    <message>
        <source>%1 divides by zero</source>
        <translation>%1 divide per zero</translation>
    </message>
    <message>
        <source>%1 overflows a double</source>
        <translation>%1 supera il campo di un double</translation>
    </message>
</context>
<context>
    <name>qzUnitValueEdit</name>
    <message>
        <source>The text is longer than %1 characters</source>
        <translation>Il testo supera i %1 caratteri</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too small: at least %2</source>
        <translation>&apos;%1&apos; è troppo piccolo: almeno %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too large: at most %2</source>
        <translation>&apos;%1&apos; è troppo grande: al massimo %2</translation>
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
        <translation>Tensione elettrica</translation>
    </message>
</context>
<context>
    <name>qzUnitVolume</name>
    <message>
        <source>Cubic meter</source>
        <translation>Metro cubo</translation>
    </message>
    <message>
        <source>Cubic centimeter</source>
        <translation>Centimetro cubo</translation>
    </message>
    <message>
        <source>Cubic millimeter</source>
        <translation>Millimetro cubo</translation>
    </message>
    <message>
        <source>Cubic foot</source>
        <translation>Piede cubo</translation>
    </message>
    <message>
        <source>Cubic inch</source>
        <translation>Pollice cubo</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
</context>
<context>
    <name>qzUnitVolumePerTime</name>
    <message>
        <source>cubic meters per second</source>
        <translation>metro cubo al secondo</translation>
    </message>
    <message>
        <source>liters per second</source>
        <translation>litro al secondo</translation>
    </message>
    <message>
        <source>liters per minute</source>
        <translation>litro al minuto</translation>
    </message>
    <message>
        <source>cubic meters per minute</source>
        <translation>metro cubo al minuto</translation>
    </message>
    <message>
        <source>cubic centimeters per hour</source>
        <translation>centimetro cubo all&apos;ora</translation>
    </message>
    <message>
        <source>cubic centimeters per second</source>
        <translation>centimetro cubo al secondo</translation>
    </message>
    <message>
        <source>cubic millimeters per second</source>
        <translation>millimetro cubo al secondo</translation>
    </message>
    <message>
        <source>Volume flow</source>
        <translation>Portata volumetrica</translation>
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
        <translation>SI (millimetri)</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Imperiale</translation>
    </message>
    <message>
        <source>US customary</source>
        <translation>Consuetudinario USA</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>&amp;Unit system:</source>
        <translation>&amp;Sistema di unità:</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizzato</translation>
    </message>
</context>
<context>
    <name>qzunit</name>
    <message>
        <source>Value</source>
        <translation>Valore</translation>
    </message>
    <message>
        <source>Enumerator</source>
        <translation>Enumeratore</translation>
    </message>
    <message>
        <source>English name</source>
        <translation>Nome inglese</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Simbolo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>SI unit</source>
        <translation>Unità SI</translation>
    </message>
    <message>
        <source>view unit</source>
        <translation>unità di visualizzazione</translation>
    </message>
    <message>
        <source>&apos;%1&apos; bytes is too large: counts reach %2</source>
        <translation>&apos;%1&apos; byte sono troppi: i conteggi arrivano a %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a whole number of bytes</source>
        <translation>&apos;%1&apos; non è un numero intero di byte</translation>
    </message>
    <message>
        <source>division by zero</source>
        <translation>divisione per zero</translation>
    </message>
    <message>
        <source>a number divided by a value has no dimension of the library</source>
        <translation>un numero diviso per un valore non ha nessuna grandezza della libreria</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>un numero</translation>
    </message>
    <message>
        <source>cannot add %1 and %2: different dimensions</source>
        <translation>impossibile sommare %1 e %2: grandezze diverse</translation>
    </message>
    <message>
        <source>unexpected &apos;%1&apos; in &apos;%2&apos;</source>
        <translation>&apos;%1&apos; inatteso in &apos;%2&apos;</translation>
    </message>
    <message>
        <source>missing &apos;)&apos; in &apos;%1&apos;</source>
        <translation>&apos;)&apos; mancante in &apos;%1&apos;</translation>
    </message>
    <message>
        <source>missing value in &apos;%1&apos;</source>
        <translation>valore mancante in &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the result is of %1, not of %2</source>
        <translation>il risultato è di %1, non di %2</translation>
    </message>
    <message>
        <source>cannot express %1 in &apos;%2&apos;</source>
        <translation>impossibile esprimere %1 in &apos;%2&apos;</translation>
    </message>
    <message>
        <source>unknown dimension &apos;%1&apos; (see qzunit dimensions)</source>
        <translation>grandezza sconosciuta &apos;%1&apos; (vedere qzunit dimensions)</translation>
    </message>
    <message>
        <source>unknown preset &apos;%1&apos; (one of %2)</source>
        <translation>preimpostazione sconosciuta &apos;%1&apos; (una tra %2)</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>nota: %1</translation>
    </message>
    <message>
        <source>note: %1 read as %2 (also %3); choose another with --dimension</source>
        <translation>nota: %1 letto come %2 (anche %3); sceglierne un&apos;altra con --dimension</translation>
    </message>
    <message>
        <source>%1 fits several dimensions: %2 (choose one with --dimension)</source>
        <translation>%1 corrisponde a più grandezze: %2 (sceglierne una con --dimension)</translation>
    </message>
    <message>
        <source>no target unit after &apos;%1 %2&apos;</source>
        <translation>nessuna unità di destinazione dopo &apos;%1 %2&apos;</translation>
    </message>
    <message>
        <source>cannot convert &apos;%1&apos; (%2) to &apos;%3&apos; (%4): different dimensions</source>
        <translation>impossibile convertire &apos;%1&apos; (%2) in &apos;%3&apos; (%4): grandezze diverse</translation>
    </message>
    <message>
        <source>&apos;%1&apos; to &apos;%2&apos;</source>
        <translation>&apos;%1&apos; in &apos;%2&apos;</translation>
    </message>
    <message>
        <source>warning: %1 lies outside the validity range of %2 (%3 to %4)</source>
        <translation>avviso: %1 è fuori dal campo di validità di %2 (da %3 a %4)</translation>
    </message>
    <message>
        <source>missing value after &apos;%1&apos;</source>
        <translation>valore mancante dopo &apos;%1&apos;</translation>
    </message>
    <message>
        <source>invalid --format &apos;%1&apos; (one of g, f, e)</source>
        <translation>--format non valido &apos;%1&apos; (g, f o e)</translation>
    </message>
    <message>
        <source>invalid --precision &apos;%1&apos; (a whole number from 0 to 99)</source>
        <translation>--precision non valida &apos;%1&apos; (un numero intero da 0 a 99)</translation>
    </message>
    <message>
        <source>no command given (one of %1; see qzunit --help)</source>
        <translation>nessun comando indicato (uno tra %1; vedere qzunit --help)</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (one of %2)</source>
        <translation>comando sconosciuto &apos;%1&apos; (uno tra %2)</translation>
    </message>
    <message>
        <source>usage: qzunit %1 %2</source>
        <translation>uso: qzunit %1 %2</translation>
    </message>
    <message>
        <source>option --%1 does not apply to %2</source>
        <translation>l&apos;opzione --%1 non si applica a %2</translation>
    </message>
    <message>
        <source>note: &apos;%1&apos; keeps the factor %2 for stored data; physically it is %3 %4</source>
        <translation>nota: &apos;%1&apos; mantiene il fattore %2 per i dati salvati; fisicamente vale %3 %4</translation>
    </message>
</context>
</TS>
