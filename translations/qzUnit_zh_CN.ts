<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>ExampleWindow</name>
    <message>
        <source>Gauge length</source>
        <translation>标距</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>直径</translation>
    </message>
    <message>
        <source>Maximum force</source>
        <translation>最大力</translation>
    </message>
    <message>
        <source>Yield strength</source>
        <translation>屈服强度</translation>
    </message>
    <message>
        <source>Test temperature</source>
        <translation>试验温度</translation>
    </message>
    <message>
        <source>Hardness</source>
        <translation>硬度</translation>
    </message>
    <message>
        <source>Tensile test</source>
        <translation>拉伸试验</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>Specimen</source>
        <translation>试样</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>测量值</translation>
    </message>
    <message>
        <source>View units</source>
        <translation>显示单位</translation>
    </message>
</context>
<context>
    <name>XmlReaderWriterBase</name>
    <message>
        <source>Invalid XML element %0: &apos;%1&apos;</source>
        <translation>无效的 XML 元素 %0：&apos;%1&apos;</translation>
    </message>
    <message>
        <source>Invalid XML attribute %0: &apos;%1&apos;</source>
        <translation>无效的 XML 属性 %0：&apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>qzUnitAbsorbedDose</name>
    <message>
        <source>Gray</source>
        <translation>戈瑞</translation>
    </message>
    <message>
        <source>Joule per kilogram</source>
        <translation>焦耳每千克</translation>
    </message>
    <message>
        <source>Square meter per square second</source>
        <translation>平方米每二次方秒</translation>
    </message>
    <message>
        <source>Absorbed dose (of radiation)</source>
        <translation>吸收剂量（辐射）</translation>
    </message>
</context>
<context>
    <name>qzUnitAcceleration</name>
    <message>
        <source>Meter per square second</source>
        <translation>米每二次方秒</translation>
    </message>
    <message>
        <source>Inches per square second</source>
        <translation>英寸每二次方秒</translation>
    </message>
    <message>
        <source>Feet per square second</source>
        <translation>英尺每二次方秒</translation>
    </message>
    <message>
        <source>Inches per minute per second</source>
        <translation>英寸每分每秒</translation>
    </message>
    <message>
        <source>Feet per minute per second</source>
        <translation>英尺每分每秒</translation>
    </message>
    <message>
        <source>Miles per hour per second</source>
        <translation>英里每小时每秒</translation>
    </message>
    <message>
        <source>Galileo</source>
        <translation>伽</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>加速度</translation>
    </message>
</context>
<context>
    <name>qzUnitAngle</name>
    <message>
        <source>Radian</source>
        <translation>弧度</translation>
    </message>
    <message>
        <source>Degree</source>
        <translation>度</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>平面角</translation>
    </message>
</context>
<context>
    <name>qzUnitAngularVelocity</name>
    <message>
        <source>Radians per second</source>
        <translation>弧度每秒</translation>
    </message>
    <message>
        <source>Revolutions per second</source>
        <translation>转每秒</translation>
    </message>
    <message>
        <source>Rps</source>
        <translation>r/s</translation>
    </message>
    <message>
        <source>Revolutions per minute</source>
        <translation>转每分</translation>
    </message>
    <message>
        <source>Rpm</source>
        <translation>r/min</translation>
    </message>
    <message>
        <source>Revolutions per hour</source>
        <translation>转每小时</translation>
    </message>
    <message>
        <source>Rph</source>
        <translation>r/h</translation>
    </message>
    <message>
        <source>Angle velocity</source>
        <translation>角速度</translation>
    </message>
</context>
<context>
    <name>qzUnitArea</name>
    <message>
        <source>Square meter</source>
        <translation>平方米</translation>
    </message>
    <message>
        <source>Square centimeter</source>
        <translation>平方厘米</translation>
    </message>
    <message>
        <source>Square millimeter</source>
        <translation>平方毫米</translation>
    </message>
    <message>
        <source>Square micrometer</source>
        <translation>平方微米</translation>
    </message>
    <message>
        <source>Square kilometer</source>
        <translation>平方千米</translation>
    </message>
    <message>
        <source>Square foot</source>
        <translation>平方英尺</translation>
    </message>
    <message>
        <source>Square inch</source>
        <translation>平方英寸</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>面积</translation>
    </message>
</context>
<context>
    <name>qzUnitAreicElectricalConductivity</name>
    <message>
        <source>per ohm square meter</source>
        <translation>每欧姆平方米</translation>
    </message>
    <message>
        <source>per milliohm square meter</source>
        <translation>每毫欧平方米</translation>
    </message>
    <message>
        <source>per microhm square meter</source>
        <translation>每微欧平方米</translation>
    </message>
    <message>
        <source>per nanoohm square meter</source>
        <translation>每纳欧平方米</translation>
    </message>
    <message>
        <source>Electrical contact conductivity</source>
        <translation>接触电导率</translation>
    </message>
</context>
<context>
    <name>qzUnitCurrent</name>
    <message>
        <source>Ampere</source>
        <translation>安培</translation>
    </message>
    <message>
        <source>Milliampere</source>
        <translation>毫安</translation>
    </message>
    <message>
        <source>Kiloampere</source>
        <translation>千安</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>电流</translation>
    </message>
</context>
<context>
    <name>qzUnitDensity</name>
    <message>
        <source>Kilograms per cubic meter</source>
        <translation>千克每立方米</translation>
    </message>
    <message>
        <source>Kilograms per cubic centimeter</source>
        <translation>千克每立方厘米</translation>
    </message>
    <message>
        <source>Kilograms per cubic millimeter</source>
        <translation>千克每立方毫米</translation>
    </message>
    <message>
        <source>Pound per cubic foot</source>
        <translation>磅每立方英尺</translation>
    </message>
    <message>
        <source>Pound per cubic inch</source>
        <translation>磅每立方英寸</translation>
    </message>
    <message>
        <source>Ton per cubic centimeter</source>
        <translation>吨每立方厘米</translation>
    </message>
    <message>
        <source>Gram per cubic centimeter</source>
        <translation>克每立方厘米</translation>
    </message>
    <message>
        <source>Megagram per cubic millimeter</source>
        <translation>兆克每立方毫米</translation>
    </message>
    <message>
        <source>Gram per cubic meter</source>
        <translation>克每立方米</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>密度</translation>
    </message>
</context>
<context>
    <name>qzUnitDiffusivity</name>
    <message>
        <source>Square meters per second</source>
        <translation>平方米每秒</translation>
    </message>
    <message>
        <source>Diffusivity</source>
        <translation>扩散系数</translation>
    </message>
</context>
<context>
    <name>qzUnitDistancePerRevolution</name>
    <message>
        <source>Meter per revolution</source>
        <translation>米每转</translation>
    </message>
    <message>
        <source>Centimeter per revolution</source>
        <translation>厘米每转</translation>
    </message>
    <message>
        <source>Millimeter per revolution</source>
        <translation>毫米每转</translation>
    </message>
    <message>
        <source>Foot per revolution</source>
        <translation>英尺每转</translation>
    </message>
    <message>
        <source>Inch per revolution</source>
        <translation>英寸每转</translation>
    </message>
    <message>
        <source>Mile per revolution</source>
        <translation>英里每转</translation>
    </message>
    <message>
        <source>Mil per revolution</source>
        <translation>密耳每转</translation>
    </message>
    <message>
        <source>Kilometer per revolution</source>
        <translation>千米每转</translation>
    </message>
    <message>
        <source>m/r</source>
        <comment>Einheit Weg pro Umdrehung [m/U]</comment>
        <translation>m/r</translation>
    </message>
    <message>
        <source>cm/r</source>
        <comment>Einheit Weg pro Umdrehung [cm/U]</comment>
        <translation>cm/r</translation>
    </message>
    <message>
        <source>mm/r</source>
        <comment>Einheit Weg pro Umdrehung [mm/U]</comment>
        <translation>mm/r</translation>
    </message>
    <message>
        <source>ft/r</source>
        <comment>Einheit Weg pro Umdrehung [ft/U]</comment>
        <translation>ft/r</translation>
    </message>
    <message>
        <source>in/r</source>
        <comment>Einheit Weg pro Umdrehung [in/U]</comment>
        <translation>in/r</translation>
    </message>
    <message>
        <source>mi/r</source>
        <comment>Einheit Weg pro Umdrehung [mi/U]</comment>
        <translation>mi/r</translation>
    </message>
    <message>
        <source>mil/r</source>
        <comment>Einheit Weg pro Umdrehung [mil/U]</comment>
        <translation>mil/r</translation>
    </message>
    <message>
        <source>km/r</source>
        <comment>Einheit Weg pro Umdrehung [km/U]</comment>
        <translation>km/r</translation>
    </message>
    <message>
        <source>Distance per revolution</source>
        <comment>de=Weg pro Umdrehung</comment>
        <translation>每转行程</translation>
    </message>
</context>
<context>
    <name>qzUnitElectricField</name>
    <message>
        <source>Volt/meter</source>
        <translation>伏特/米</translation>
    </message>
    <message>
        <source>V/m</source>
        <translation>V/m</translation>
    </message>
    <message>
        <source>Electric field intensity</source>
        <translation>电场强度</translation>
    </message>
</context>
<context>
    <name>qzUnitElectricalConductivity</name>
    <message>
        <source>1 / (Ohm * meter)</source>
        <translation>1 / (欧姆 * 米)</translation>
    </message>
    <message>
        <source>1 / (%1Ohm * meter)</source>
        <translation>1 / (%1欧姆 * 米)</translation>
    </message>
    <message>
        <source>Electrical conductivity</source>
        <translation>电导率</translation>
    </message>
</context>
<context>
    <name>qzUnitElectricalCurrentDensity</name>
    <message>
        <source>Ampere per square meter</source>
        <translation>安培每平方米</translation>
    </message>
    <message>
        <source>Microampere per square meter</source>
        <translation>微安每平方米</translation>
    </message>
    <message>
        <source>Milliampere per square meter</source>
        <translation>毫安每平方米</translation>
    </message>
    <message>
        <source>Kiloampere per square meter</source>
        <translation>千安每平方米</translation>
    </message>
    <message>
        <source>Megaampere per square meter</source>
        <translation>兆安每平方米</translation>
    </message>
    <message>
        <source>Current density</source>
        <translation>电流密度</translation>
    </message>
</context>
<context>
    <name>qzUnitElectricalResistivity</name>
    <message>
        <source>Ohm * meter</source>
        <translation>欧姆 * 米</translation>
    </message>
    <message>
        <source>%1Ohm * meter</source>
        <translation>%1欧姆 * 米</translation>
    </message>
    <message>
        <source>Electrical resistivity</source>
        <comment>Electrical resistivity Material specific value, does not depend on other factors like geometry (DO NOT confuse with &apos;Resistance&apos;)</comment>
        <translation>电阻率</translation>
    </message>
</context>
<context>
    <name>qzUnitEnergy</name>
    <message>
        <source>Joule</source>
        <translation>焦耳</translation>
    </message>
    <message>
        <source>Kilojoule</source>
        <translation>千焦</translation>
    </message>
    <message>
        <source>Kilowatt hour</source>
        <translation>千瓦时</translation>
    </message>
    <message>
        <source>Electron volt</source>
        <translation>电子伏</translation>
    </message>
    <message>
        <source>Kilopond meter</source>
        <translation>公斤力米</translation>
    </message>
    <message>
        <source>Calorie (IT)</source>
        <translation>卡（国际蒸汽表）</translation>
    </message>
    <message>
        <source>British thermal unit (IT)</source>
        <translation>英热单位（国际蒸汽表）</translation>
    </message>
    <message>
        <source>Inch-Pound Force</source>
        <translation>英寸磅力</translation>
    </message>
    <message>
        <source>Foot-Pound Force</source>
        <translation>英尺磅力</translation>
    </message>
    <message>
        <source>Megajoule</source>
        <translation>兆焦</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>能量</translation>
    </message>
</context>
<context>
    <name>qzUnitEnergyDensity</name>
    <message>
        <source>Joule per cubic meter</source>
        <translation>焦耳每立方米</translation>
    </message>
    <message>
        <source>Microjoule per cubic meter</source>
        <translation>微焦每立方米</translation>
    </message>
    <message>
        <source>Millijoule per cubic meter</source>
        <translation>毫焦每立方米</translation>
    </message>
    <message>
        <source>Kilojoule per cubic meter</source>
        <translation>千焦每立方米</translation>
    </message>
    <message>
        <source>Megajoule per cubic meter</source>
        <translation>兆焦每立方米</translation>
    </message>
    <message>
        <source>Joule per cubic millimeter</source>
        <translation>焦耳每立方毫米</translation>
    </message>
    <message>
        <source>Energy density</source>
        <translation>能量密度</translation>
    </message>
</context>
<context>
    <name>qzUnitEnergyLength</name>
    <message>
        <source>Energy input per unit length</source>
        <translation>线能量</translation>
    </message>
</context>
<context>
    <name>qzUnitForce</name>
    <message>
        <source>Newton</source>
        <translation>牛顿</translation>
    </message>
    <message>
        <source>Poundal</source>
        <translation>磅达</translation>
    </message>
    <message>
        <source>Ounce (Force)</source>
        <translation>盎司力</translation>
    </message>
    <message>
        <source>Pound (Force)</source>
        <translation>磅力</translation>
    </message>
    <message>
        <source>Kilopond</source>
        <translation>公斤力</translation>
    </message>
    <message>
        <source>Ton (Force)</source>
        <translation>吨力</translation>
    </message>
    <message>
        <source>Dyne</source>
        <translation>达因</translation>
    </message>
    <message>
        <source>Kilonewton</source>
        <translation>千牛</translation>
    </message>
    <message>
        <source>Short ton</source>
        <translation>短吨力</translation>
    </message>
    <message>
        <source>Long ton</source>
        <translation>长吨力</translation>
    </message>
    <message>
        <source>Kilopound (Force)</source>
        <translation>千磅力</translation>
    </message>
    <message>
        <source>Kilogram-force</source>
        <translation>千克力</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>力</translation>
    </message>
</context>
<context>
    <name>qzUnitForceLength</name>
    <message>
        <source>Newton per meter</source>
        <translation>牛顿每米</translation>
    </message>
    <message>
        <source>Newton per Millimeter</source>
        <translation>牛顿每毫米</translation>
    </message>
    <message>
        <source>Kilonewton per Millimeter</source>
        <translation>千牛每毫米</translation>
    </message>
    <message>
        <source>Force per length</source>
        <translation>单位长度上的力</translation>
    </message>
</context>
<context>
    <name>qzUnitForcePerVolume</name>
    <message>
        <source>Newton per cubic meter</source>
        <translation>牛顿每立方米</translation>
    </message>
    <message>
        <source>Force per volume</source>
        <translation>单位体积上的力</translation>
    </message>
</context>
<context>
    <name>qzUnitFrequency</name>
    <message>
        <source>Hertz</source>
        <translation>赫兹</translation>
    </message>
    <message>
        <source>Vibrations per second</source>
        <translation>次每秒</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>频率</translation>
    </message>
</context>
<context>
    <name>qzUnitGrainSize</name>
    <message>
        <source>Micrometer</source>
        <translation>微米</translation>
    </message>
    <message>
        <source>ASTM</source>
        <translation>ASTM</translation>
    </message>
    <message>
        <source>Grain size</source>
        <translation>晶粒度</translation>
    </message>
</context>
<context>
    <name>qzUnitHardness</name>
    <message>
        <source>Newton per square meter</source>
        <translation>牛顿每平方米</translation>
    </message>
    <message>
        <source>Newton per square millimeter</source>
        <translation>牛顿每平方毫米</translation>
    </message>
    <message>
        <source>Pound-force per square inch</source>
        <translation>磅力每平方英寸</translation>
    </message>
    <message>
        <source>Rockwell hardness</source>
        <translation>洛氏硬度</translation>
    </message>
    <message>
        <source>Brinell hardness</source>
        <translation>布氏硬度</translation>
    </message>
    <message>
        <source>Vickers hardness</source>
        <translation>维氏硬度</translation>
    </message>
    <message>
        <source>Hardness</source>
        <translation>硬度</translation>
    </message>
</context>
<context>
    <name>qzUnitHeat</name>
    <message>
        <source>Joule</source>
        <translation>焦耳</translation>
    </message>
    <message>
        <source>Kilojoule</source>
        <translation>千焦</translation>
    </message>
    <message>
        <source>Calorie (IT)</source>
        <translation>卡（国际蒸汽表）</translation>
    </message>
    <message>
        <source>Kilocalorie (IT)</source>
        <translation>千卡（国际蒸汽表）</translation>
    </message>
    <message>
        <source>British thermal unit (IT)</source>
        <translation>英热单位（国际蒸汽表）</translation>
    </message>
    <message>
        <source>Heat energy</source>
        <translation>热量</translation>
    </message>
</context>
<context>
    <name>qzUnitHeatCapacity</name>
    <message>
        <source>Heat capacity</source>
        <translation>热容</translation>
    </message>
</context>
<context>
    <name>qzUnitHeatFlux</name>
    <message>
        <source>Heat flow</source>
        <translation>热流密度</translation>
    </message>
</context>
<context>
    <name>qzUnitHeatTransferCoefficient</name>
    <message>
        <source>Heat transfer coefficient</source>
        <translation>传热系数</translation>
    </message>
</context>
<context>
    <name>qzUnitLatentHeat</name>
    <message>
        <source>Joule per kilogram</source>
        <translation>焦耳每千克</translation>
    </message>
    <message>
        <source>Joule per gram</source>
        <translation>焦耳每克</translation>
    </message>
    <message>
        <source>Millimeter squared per second squared</source>
        <translation>平方毫米每二次方秒</translation>
    </message>
    <message>
        <source>Latent heat</source>
        <translation>比潜热</translation>
    </message>
</context>
<context>
    <name>qzUnitLength</name>
    <message>
        <source>Meter</source>
        <translation>米</translation>
    </message>
    <message>
        <source>Centimeter</source>
        <translation>厘米</translation>
    </message>
    <message>
        <source>Millimeter</source>
        <translation>毫米</translation>
    </message>
    <message>
        <source>Foot</source>
        <translation>英尺</translation>
    </message>
    <message>
        <source>Inch</source>
        <translation>英寸</translation>
    </message>
    <message>
        <source>Mile</source>
        <translation>英里</translation>
    </message>
    <message>
        <source>Mil</source>
        <translation>密耳</translation>
    </message>
    <message>
        <source>Micron</source>
        <translation>微米</translation>
    </message>
    <message>
        <source>Microinch</source>
        <translation>微英寸</translation>
    </message>
    <message>
        <source>Kilometer</source>
        <translation>千米</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>长度</translation>
    </message>
</context>
<context>
    <name>qzUnitMagneticField</name>
    <message>
        <source>Ampere/meter</source>
        <translation>安培/米</translation>
    </message>
    <message>
        <source>A/m</source>
        <translation>A/m</translation>
    </message>
    <message>
        <source>Magnetic field intensity</source>
        <translation>磁场强度</translation>
    </message>
</context>
<context>
    <name>qzUnitMagneticInduction</name>
    <message>
        <source>Tesla</source>
        <translation>特斯拉</translation>
    </message>
    <message>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <source>Magnetic induction</source>
        <translation>磁感应强度</translation>
    </message>
</context>
<context>
    <name>qzUnitMass</name>
    <message>
        <source>Kilogram</source>
        <translation>千克</translation>
    </message>
    <message>
        <source>Gram</source>
        <translation>克</translation>
    </message>
    <message>
        <source>Ton</source>
        <translation>吨</translation>
    </message>
    <message>
        <source>Pound</source>
        <translation>磅</translation>
    </message>
    <message>
        <source>Ounce</source>
        <translation>盎司</translation>
    </message>
    <message>
        <source>Slug</source>
        <translation>斯勒格</translation>
    </message>
    <message>
        <source>Megagram</source>
        <translation>兆克</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>质量</translation>
    </message>
</context>
<context>
    <name>qzUnitMassFluxDensity</name>
    <message>
        <source>Kilogram per square meter and second</source>
        <translation>千克每平方米秒</translation>
    </message>
    <message>
        <source>Mass flux density</source>
        <translation>质量流密度</translation>
    </message>
</context>
<context>
    <name>qzUnitMassFraction</name>
    <message>
        <source>Weight percent</source>
        <translation>质量百分数</translation>
    </message>
    <message>
        <source>Weight fraction</source>
        <translation>质量分数（小数）</translation>
    </message>
    <message>
        <source>Mass fraction</source>
        <translation>质量分数</translation>
    </message>
</context>
<context>
    <name>qzUnitMassFractionGradient</name>
    <message>
        <source>Weight percent per meter</source>
        <translation>质量百分数每米</translation>
    </message>
    <message>
        <source>Mass fraction gradient</source>
        <translation>质量分数梯度</translation>
    </message>
</context>
<context>
    <name>qzUnitMomentOfInertia</name>
    <message>
        <source>Moment of inertia</source>
        <translation>转动惯量</translation>
    </message>
</context>
<context>
    <name>qzUnitOfInformation</name>
    <message>
        <source>Bytes</source>
        <translation>字节</translation>
    </message>
    <message>
        <source>Kilobyte</source>
        <translation>千字节</translation>
    </message>
    <message>
        <source>Megabyte</source>
        <translation>兆字节</translation>
    </message>
    <message>
        <source>Gigabyte</source>
        <translation>吉字节</translation>
    </message>
    <message>
        <source>Terabyte</source>
        <translation>太字节</translation>
    </message>
    <message>
        <source>Unit of information</source>
        <translation>信息量</translation>
    </message>
</context>
<context>
    <name>qzUnitPercent</name>
    <message>
        <source>Percent</source>
        <translation>百分数</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>比率</translation>
    </message>
</context>
<context>
    <name>qzUnitPower</name>
    <message>
        <source>Watt</source>
        <translation>瓦特</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>功率</translation>
    </message>
</context>
<context>
    <name>qzUnitSpecificHeatCapacity</name>
    <message>
        <source>Specific heat capacity</source>
        <translation>比热容</translation>
    </message>
</context>
<context>
    <name>qzUnitSpeed</name>
    <message>
        <source>Meters per second</source>
        <translation>米每秒</translation>
    </message>
    <message>
        <source>Millimeters per second</source>
        <translation>毫米每秒</translation>
    </message>
    <message>
        <source>Feet per second</source>
        <translation>英尺每秒</translation>
    </message>
    <message>
        <source>Inches per second</source>
        <translation>英寸每秒</translation>
    </message>
    <message>
        <source>Miles per second</source>
        <translation>英里每秒</translation>
    </message>
    <message>
        <source>Meters per minute</source>
        <translation>米每分</translation>
    </message>
    <message>
        <source>Kilometers per hour</source>
        <translation>千米每小时</translation>
    </message>
    <message>
        <source>Centimeters per second</source>
        <translation>厘米每秒</translation>
    </message>
    <message>
        <source>Centimeters per minute</source>
        <translation>厘米每分</translation>
    </message>
    <message>
        <source>Inches per minute</source>
        <translation>英寸每分</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>速度</translation>
    </message>
</context>
<context>
    <name>qzUnitStrainRate</name>
    <message>
        <source>Strain rate</source>
        <translation>应变速率</translation>
    </message>
</context>
<context>
    <name>qzUnitStress</name>
    <message>
        <source>Pascal</source>
        <translation>帕斯卡</translation>
    </message>
    <message>
        <source>Megapascal</source>
        <translation>兆帕</translation>
    </message>
    <message>
        <source>Kilopascal</source>
        <translation>千帕</translation>
    </message>
    <message>
        <source>Pièze</source>
        <translation>皮兹</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>巴</translation>
    </message>
    <message>
        <source>Technical atmosphere</source>
        <translation>工程大气压</translation>
    </message>
    <message>
        <source>Physical atmosphere</source>
        <translation>标准大气压</translation>
    </message>
    <message>
        <source>Torr</source>
        <translation>托</translation>
    </message>
    <message>
        <source>Pounds per square inch</source>
        <translation>磅每平方英寸</translation>
    </message>
    <message>
        <source>Pounds per square foot</source>
        <translation>磅每平方英尺</translation>
    </message>
    <message>
        <source>Newton per square millimeter</source>
        <translation>牛顿每平方毫米</translation>
    </message>
    <message>
        <source>Kilograms per square inch</source>
        <translation>千克每平方英寸</translation>
    </message>
    <message>
        <source>Kilograms per square centimeter</source>
        <translation>千克每平方厘米</translation>
    </message>
    <message>
        <source>Kilograms per square millimeter</source>
        <translation>千克每平方毫米</translation>
    </message>
    <message>
        <source>Stress</source>
        <translation>应力</translation>
    </message>
</context>
<context>
    <name>qzUnitTemperature</name>
    <message>
        <source>Kelvin</source>
        <translation>开尔文</translation>
    </message>
    <message>
        <source>Degrees Celsius</source>
        <translation>摄氏度</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit</source>
        <translation>华氏度</translation>
    </message>
    <message>
        <source>Degrees Rankine</source>
        <translation>兰氏度</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>温度</translation>
    </message>
</context>
<context>
    <name>qzUnitTemperatureDifference</name>
    <message>
        <source>Kelvin</source>
        <translation>开尔文</translation>
    </message>
    <message>
        <source>Degrees Celsius</source>
        <translation>摄氏度</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit</source>
        <translation>华氏度</translation>
    </message>
    <message>
        <source>Temperature difference</source>
        <translation>温差</translation>
    </message>
</context>
<context>
    <name>qzUnitTemperatureGradient</name>
    <message>
        <source>Kelvin per meter</source>
        <translation>开尔文每米</translation>
    </message>
    <message>
        <source>Kelvin per centimeter</source>
        <translation>开尔文每厘米</translation>
    </message>
    <message>
        <source>Kelvin per millimeter</source>
        <translation>开尔文每毫米</translation>
    </message>
    <message>
        <source>Temperature gradient</source>
        <translation>温度梯度</translation>
    </message>
</context>
<context>
    <name>qzUnitTemperatureRate</name>
    <message>
        <source>Kelvin per second</source>
        <translation>开尔文每秒</translation>
    </message>
    <message>
        <source>Kelvin per minute</source>
        <translation>开尔文每分</translation>
    </message>
    <message>
        <source>Kelvin per hour</source>
        <translation>开尔文每小时</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit per second</source>
        <translation>华氏度每秒</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit per minute</source>
        <translation>华氏度每分</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit per hour</source>
        <translation>华氏度每小时</translation>
    </message>
    <message>
        <source>Temperature rate</source>
        <translation>温度变化率</translation>
    </message>
</context>
<context>
    <name>qzUnitThermalConductivity</name>
    <message>
        <source>Thermal conductivity</source>
        <translation>热导率</translation>
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
        <translation>热膨胀系数</translation>
    </message>
</context>
<context>
    <name>qzUnitTime</name>
    <message>
        <source>Second</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>分</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>小时</translation>
    </message>
    <message>
        <source>Millisecond</source>
        <translation>毫秒</translation>
    </message>
    <message>
        <source>Microsecond</source>
        <translation>微秒</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
</context>
<context>
    <name>qzUnitTorque</name>
    <message>
        <source>Newton meter</source>
        <translation>牛顿米</translation>
    </message>
    <message>
        <source>Foot pounds</source>
        <translation>英尺磅</translation>
    </message>
    <message>
        <source>Inch pounds</source>
        <translation>英寸磅</translation>
    </message>
    <message>
        <source>Inch ounce-force</source>
        <translation>英寸盎司力</translation>
    </message>
    <message>
        <source>Foot ounce-force</source>
        <translation>英尺盎司力</translation>
    </message>
    <message>
        <source>Foot-poundal</source>
        <translation>英尺磅达</translation>
    </message>
    <message>
        <source>Kilogram-force meter</source>
        <translation>千克力米</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>转矩</translation>
    </message>
</context>
<context>
    <name>qzUnitTripCoefficient</name>
    <message>
        <source>Square millimeter per newton</source>
        <translation>平方毫米每牛顿</translation>
    </message>
    <message>
        <source>Square inch per kilopound</source>
        <translation>平方英寸每千磅</translation>
    </message>
    <message>
        <source>Square meter per newton</source>
        <translation>平方米每牛顿</translation>
    </message>
    <message>
        <source>Trip coefficient</source>
        <translation>TRIP 系数</translation>
    </message>
</context>
<context>
    <name>qzUnitTurningStiffness</name>
    <message>
        <source>Turning stiffness</source>
        <translation>扭转刚度</translation>
    </message>
</context>
<context>
    <name>qzUnitUndefined</name>
    <message>
        <source>Size of dimension one</source>
        <translation>量纲一的量</translation>
    </message>
</context>
<context>
    <name>qzUnitValue</name>
    <message>
        <source>unknown unit &apos;%1&apos;</source>
        <translation>未知单位“%1”</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is of the physical dimension %2, which no dimension of the library has</source>
        <translation>“%1”的量纲为 %2，本库没有该量纲的量</translation>
    </message>
    <message>
        <source>unknown unit &apos;%1&apos; for %2</source>
        <translation>%2 没有单位“%1”</translation>
    </message>
    <message>
        <source>; did you mean %1?</source>
        <translation>；您是否指 %1？</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a unit of %2, not of %3</source>
        <translation>“%1”是 %2 的单位，不是 %3 的单位</translation>
    </message>
    <message>
        <source>ambiguous unit &apos;%1&apos;: %2</source>
        <translation>单位“%1”有歧义：%2</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: the decimal comma is not read in this locale</source>
        <translation>“%1”：此区域设置不识别小数逗号</translation>
    </message>
    <message>
        <source>&apos;%1&apos; does not start with a number</source>
        <translation>“%1”不以数字开头</translation>
    </message>
    <message>
        <source>unexpected &apos;%1&apos; after the unit in &apos;%2&apos;</source>
        <translation>“%2”中单位后出现意外的“%1”</translation>
    </message>
    <message>
        <source>the number in &apos;%1&apos; is too close to zero for a double</source>
        <translation>“%1”中的数字太接近零，双精度数无法表示</translation>
    </message>
    <message>
        <source>the number in &apos;%1&apos; is too large for a double</source>
        <translation>“%1”中的数字太大，双精度数无法表示</translation>
    </message>
    <message>
        <source>the fraction in &apos;%1&apos; divides by zero</source>
        <translation>“%1”中的分数除以零</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has no unit</source>
        <translation>“%1”没有单位</translation>
    </message>
    <message>
        <source>cannot add &apos;%1&apos; to a value of %2 in &apos;%3&apos;</source>
        <translation>“%3”中无法将“%1”加到 %2 的值上</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: &apos;%2&apos; can be read as %3 or as %4</source>
        <translation>“%1”：“%2”可读作 %3，也可读作 %4</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: the apostrophe in &apos;%2&apos; can be a foot mark or a thousands separator</source>
        <translation>“%1”：“%2”中的撇号可能是英尺符号，也可能是千位分隔符</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: &apos;%2&apos; has more than one decimal point</source>
        <translation>“%1”：“%2”含有多个小数点</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: the separators in &apos;%2&apos; do not form a number in this locale</source>
        <translation>“%1”：“%2”中的分隔符在此区域设置下不构成数字</translation>
    </message>
    <message>
        <source>&apos;%1&apos; converts with the factor %2 %3 kept for stored documents; its definition gives %4 %3</source>
        <translation>“%1”按为已存文档保留的系数 %2 %3 换算；按定义应为 %4 %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is read with its defined factor, %2 %3; stored documents keep %4 %3 for it</source>
        <translation>“%1”按其定义系数 %2 %3 读取；已存文档中该单位保留 %4 %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a gauge or absolute pressure, whose reference a value cannot keep; type the pressure in psi or bar</source>
        <translation>“%1”是表压或绝对压力，数值无法保存其参考基准；请以 psi 或 bar 输入压力</translation>
    </message>
    <message>
        <source>ambiguous unit &apos;%1&apos;: written as a unit of %2, it reads physically as %3</source>
        <translation>单位“%1”有歧义：写作%2的单位，但物理上读作 %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is read as %2; it is also a unit of %3</source>
        <translation>“%1”读作%2；它也是%3的单位</translation>
    </message>
    <message>
        <source>nothing was typed</source>
        <translation>未输入任何内容</translation>
    </message>
    <message>
        <source>&apos;%1&apos; lies below absolute zero</source>
        <translation>“%1”低于绝对零度</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>the first operand has no dimension</source>
        <translation>第一个操作数没有量纲</translation>
    </message>
    <message>
        <source>the second operand has no dimension</source>
        <translation>第二个操作数没有量纲</translation>
    </message>
    <message>
        <source>the first operand is %1, not a finite number</source>
        <translation>第一个操作数为 %1，不是有限数</translation>
    </message>
    <message>
        <source>the second operand is %1, not a finite number</source>
        <translation>第二个操作数为 %1，不是有限数</translation>
    </message>
    <message>
        <source>%1 has the exponents %2, which no dimension has</source>
        <translation>%1 的指数为 %2，没有量纲具有此指数</translation>
    </message>
    <message>
        <source>the result %1 names no dimension</source>
        <translation>结果 %1 不对应任何量纲</translation>
    </message>
    <message>
        <source>%1 has the exponents %2, not those of %3 (%4); dimensions with %2: %5</source>
        <translation>%1 的指数为 %2，而不是 %3 的指数（%4）；指数为 %2 的量纲：%5</translation>
    </message>
    <message>
        <source>%1 divides by zero</source>
        <translation>%1 除以零</translation>
    </message>
    <message>
        <source>%1 overflows a double</source>
        <translation>%1 超出双精度数的范围</translation>
    </message>
</context>
<context>
    <name>qzUnitValueEdit</name>
    <message>
        <source>The text is longer than %1 characters</source>
        <translation>文本超过 %1 个字符</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too small: at least %2</source>
        <translation>“%1”太小：至少为 %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too large: at most %2</source>
        <translation>“%1”太大：至多为 %2</translation>
    </message>
</context>
<context>
    <name>qzUnitVoltage</name>
    <message>
        <source>Volt</source>
        <translation>伏特</translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>电压</translation>
    </message>
</context>
<context>
    <name>qzUnitVolume</name>
    <message>
        <source>Cubic meter</source>
        <translation>立方米</translation>
    </message>
    <message>
        <source>Cubic centimeter</source>
        <translation>立方厘米</translation>
    </message>
    <message>
        <source>Cubic millimeter</source>
        <translation>立方毫米</translation>
    </message>
    <message>
        <source>Cubic foot</source>
        <translation>立方英尺</translation>
    </message>
    <message>
        <source>Cubic inch</source>
        <translation>立方英寸</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>体积</translation>
    </message>
</context>
<context>
    <name>qzUnitVolumePerTime</name>
    <message>
        <source>cubic meters per second</source>
        <translation>立方米每秒</translation>
    </message>
    <message>
        <source>liters per second</source>
        <translation>升每秒</translation>
    </message>
    <message>
        <source>liters per minute</source>
        <translation>升每分</translation>
    </message>
    <message>
        <source>cubic meters per minute</source>
        <translation>立方米每分</translation>
    </message>
    <message>
        <source>cubic centimeters per hour</source>
        <translation>立方厘米每小时</translation>
    </message>
    <message>
        <source>cubic centimeters per second</source>
        <translation>立方厘米每秒</translation>
    </message>
    <message>
        <source>cubic millimeters per second</source>
        <translation>立方毫米每秒</translation>
    </message>
    <message>
        <source>Volume flow</source>
        <translation>体积流量</translation>
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
        <translation>SI（毫米）</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>英制</translation>
    </message>
    <message>
        <source>US customary</source>
        <translation>美国常用单位</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>&amp;Unit system:</source>
        <translation>单位制(&amp;U)：</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自定义</translation>
    </message>
</context>
<context>
    <name>qzunit</name>
    <message>
        <source>Value</source>
        <translation>值</translation>
    </message>
    <message>
        <source>Enumerator</source>
        <translation>枚举名</translation>
    </message>
    <message>
        <source>English name</source>
        <translation>英文名称</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>符号</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>索引</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>SI unit</source>
        <translation>SI 单位</translation>
    </message>
    <message>
        <source>view unit</source>
        <translation>显示单位</translation>
    </message>
    <message>
        <source>&apos;%1&apos; bytes is too large: counts reach %2</source>
        <translation>“%1”字节过大：计数最大为 %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a whole number of bytes</source>
        <translation>“%1”不是整数个字节</translation>
    </message>
    <message>
        <source>division by zero</source>
        <translation>除以零</translation>
    </message>
    <message>
        <source>a number divided by a value has no dimension of the library</source>
        <translation>数值除以量值的结果在本库中没有对应的量纲</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>数值</translation>
    </message>
    <message>
        <source>cannot add %1 and %2: different dimensions</source>
        <translation>无法将 %1 与 %2 相加：量纲不同</translation>
    </message>
    <message>
        <source>unexpected &apos;%1&apos; in &apos;%2&apos;</source>
        <translation>“%2”中有意外的“%1”</translation>
    </message>
    <message>
        <source>missing &apos;)&apos; in &apos;%1&apos;</source>
        <translation>“%1”中缺少“)”</translation>
    </message>
    <message>
        <source>missing value in &apos;%1&apos;</source>
        <translation>“%1”中缺少数值</translation>
    </message>
    <message>
        <source>the result is of %1, not of %2</source>
        <translation>结果属于 %1，而不是 %2</translation>
    </message>
    <message>
        <source>cannot express %1 in &apos;%2&apos;</source>
        <translation>无法以“%2”表示 %1</translation>
    </message>
    <message>
        <source>unknown dimension &apos;%1&apos; (see qzunit dimensions)</source>
        <translation>未知量纲“%1”（参见 qzunit dimensions）</translation>
    </message>
    <message>
        <source>unknown preset &apos;%1&apos; (one of %2)</source>
        <translation>未知预设“%1”（可选 %2）</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>注意：%1</translation>
    </message>
    <message>
        <source>note: %1 read as %2 (also %3); choose another with --dimension</source>
        <translation>注意：%1 按 %2 读取（亦可为 %3）；可用 --dimension 选择其他量纲</translation>
    </message>
    <message>
        <source>%1 fits several dimensions: %2 (choose one with --dimension)</source>
        <translation>%1 适用于多个量纲：%2（请用 --dimension 选择其一）</translation>
    </message>
    <message>
        <source>no target unit after &apos;%1 %2&apos;</source>
        <translation>“%1 %2”之后缺少目标单位</translation>
    </message>
    <message>
        <source>cannot convert &apos;%1&apos; (%2) to &apos;%3&apos; (%4): different dimensions</source>
        <translation>无法将“%1”（%2）换算为“%3”（%4）：量纲不同</translation>
    </message>
    <message>
        <source>&apos;%1&apos; to &apos;%2&apos;</source>
        <translation>“%1”到“%2”</translation>
    </message>
    <message>
        <source>warning: %1 lies outside the validity range of %2 (%3 to %4)</source>
        <translation>警告：%1 超出 %2 的有效范围（%3 至 %4）</translation>
    </message>
    <message>
        <source>missing value after &apos;%1&apos;</source>
        <translation>“%1”之后缺少数值</translation>
    </message>
    <message>
        <source>invalid --format &apos;%1&apos; (one of g, f, e)</source>
        <translation>无效的 --format“%1”（可选 g、f、e）</translation>
    </message>
    <message>
        <source>invalid --precision &apos;%1&apos; (a whole number from 0 to 99)</source>
        <translation>无效的 --precision“%1”（0 至 99 的整数）</translation>
    </message>
    <message>
        <source>no command given (one of %1; see qzunit --help)</source>
        <translation>未指定命令（可选 %1；参见 qzunit --help）</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (one of %2)</source>
        <translation>未知命令“%1”（可选 %2）</translation>
    </message>
    <message>
        <source>usage: qzunit %1 %2</source>
        <translation>用法：qzunit %1 %2</translation>
    </message>
    <message>
        <source>option --%1 does not apply to %2</source>
        <translation>选项 --%1 不适用于 %2</translation>
    </message>
    <message>
        <source>note: &apos;%1&apos; keeps the factor %2 for stored data; physically it is %3 %4</source>
        <translation>注意：“%1”为已存储的数据保留系数 %2；按物理定义为 %3 %4</translation>
    </message>
</context>
</TS>
