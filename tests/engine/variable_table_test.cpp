#include "engine/variable_table.h"

#include <gtest/gtest.h>

namespace vork {
namespace {

TEST(VariableTable, ProgramStartState) {
    VariableTable t;
    for (int a = 1; a <= 124; ++a)
        EXPECT_EQ(t.Read(a), 0.0) << a;
    EXPECT_EQ(t.Description(13), "Saída Linearizador");
    EXPECT_EQ(t.Description(11), "Chave_1");
    EXPECT_EQ(t.Description(14), "Reservado");
    EXPECT_EQ(t.Description(20), "Track 6");
    EXPECT_EQ(t.Description(124), "Posição Atuador 24");
    EXPECT_EQ(t.Description(21), "");
    EXPECT_EQ(t.Attributes(5).unit, "%");
    EXPECT_EQ(t.Attributes(5).ueMin, "0.0");
    EXPECT_EQ(t.Attributes(5).ueMax, "100.00");
    EXPECT_EQ(t.Attributes(5).lie, "0.00");
    EXPECT_EQ(t.Attributes(5).lse, "100.00");
}

TEST(VariableTable, ReadsOfMissingAddressesYieldZero) {
    VariableTable t;
    t.Write(0, 5);
    t.Write(100, 5);
    t.Write(101, 5);  // actuator positions are written only through WriteActuator
    for (int a : {-1, 0, 100, 125, 1000})
        EXPECT_EQ(t.Read(a), 0.0) << a;
    EXPECT_EQ(t.Read(101), 0.0);
}

TEST(VariableTable, StoresValuesUnclampedAndActuatorsApart) {
    VariableTable t;
    t.Write(99, -250.5);
    t.Write(1, 1e300);
    t.WriteActuator(1, 42);
    t.WriteActuator(24, 7);
    t.WriteActuator(25, 9);
    EXPECT_EQ(t.Read(99), -250.5);
    EXPECT_EQ(t.Read(1), 1e300);
    EXPECT_EQ(t.Read(101), 42);
    EXPECT_EQ(t.Read(124), 7);
    EXPECT_EQ(t.Read(25), 0.0);
}

TEST(VariableTable, NewProjectResetsValuesAndAttributes) {
    VariableTable t;
    t.Write(21, 33);
    t.WriteActuator(3, 12);
    t.SetDescription(21, "Vazão");
    t.SetDescription(11, "Bomba");
    t.SetDescription(103, "Válvula 3");
    t.SetAttribute(21, AttributeField::Unit, "m3/h");
    t.ResetNewProject();
    EXPECT_EQ(t.Read(21), 0.0);
    EXPECT_EQ(t.Read(103), 12.0);  // actuator table left as it is
    EXPECT_EQ(t.Description(103), "Válvula 3");
    EXPECT_EQ(t.Description(21), "");
    EXPECT_EQ(t.Description(11), "Chave_1");
    EXPECT_EQ(t.Attributes(21).unit, "%");
    for (int a = 1; a <= 99; ++a)
        EXPECT_EQ(t.Attributes(a).ueMin, "0.00") << a;
    t.ResetProgramStart();
    EXPECT_EQ(t.Attributes(1).ueMin, "0.0");
}

TEST(VariableTable, TextsAreCutAt255Characters) {
    VariableTable t;
    std::string longText(300, 'x');
    t.SetDescription(5, longText);
    t.SetAttribute(5, AttributeField::Lse, longText);
    t.SetDescription(110, longText);
    EXPECT_EQ(t.Description(5), std::string(255, 'x'));
    EXPECT_EQ(t.Attributes(5).lse.size(), 255u);
    EXPECT_EQ(t.Description(110).size(), 255u);
    std::string accents;
    for (int i = 0; i < 300; ++i)
        accents += "ã";
    t.SetDescription(6, accents);
    EXPECT_EQ(t.Description(6).size(), 510u);  // 255 characters of two bytes each
}

TEST(VariableTable, ActuatorAttributesAreFixed) {
    VariableTable t;
    t.SetAttribute(105, AttributeField::Unit, "kg");
    EXPECT_EQ(t.Attribute(105, AttributeField::Unit), "%");
    EXPECT_EQ(t.Attribute(105, AttributeField::UeMax), "100.0");
    EXPECT_EQ(t.Attribute(105, AttributeField::Lie), "0.0");
    EXPECT_EQ(t.Attribute(105, AttributeField::Description), "Posição Atuador 5");
}

TEST(VariableTable, PickLists) {
    VariableTable t;
    t.SetDescription(1, "FIC-101");
    auto shortList = t.ShortPickList();
    auto longList = t.LongPickList();
    ASSERT_EQ(shortList.size(), 99u);
    ASSERT_EQ(longList.size(), 124u);
    EXPECT_EQ(shortList[0], "01 FIC-101");
    EXPECT_EQ(shortList[12], "13 Saída Linearizador");
    EXPECT_EQ(longList[0], "01   FIC-101");
    EXPECT_EQ(longList[99], "100   ");  // M100 is listed, empty, and reads 0
    EXPECT_EQ(longList[100], "101   Posição Atuador 1");
    t.WriteActuator(1, 55);
    EXPECT_EQ(t.Read(100 + 1), 55);  // position p selects address p + 1
}

TEST(VariableTable, EngineeringConversion) {
    VariableTable t;
    t.SetAttribute(21, AttributeField::UeMin, "-50");
    t.SetAttribute(21, AttributeField::UeMax, "150.0");
    EXPECT_EQ(t.ToEngineering(21, 25), 0.0);
    EXPECT_EQ(t.ToPercent(21, 100), 75.0);
    EXPECT_EQ(t.ToEngineering(101, 30), 30.0);
    t.SetAttribute(22, AttributeField::UeMax, "0");
    t.SetAttribute(22, AttributeField::UeMin, "0");
    EXPECT_EQ(t.ToPercent(22, 5), 0.0);  // an empty range never divides by zero
}

TEST(VariableTable, RoleLabels) {
    EXPECT_EQ(VariableTable::RoleLabel(1), "Variável Manipulada");
    EXPECT_EQ(VariableTable::RoleLabel(17), "Entrada de Dados 3");
    EXPECT_EQ(VariableTable::RoleLabel(71), "Variável de Processo");
    EXPECT_EQ(VariableTable::RoleLabel(75), "Variável de Processo");
    EXPECT_EQ(VariableTable::RoleLabel(65), "Setpoint de Controle");
    EXPECT_EQ(VariableTable::RoleLabel(80), "Reservado");
    EXPECT_EQ(VariableTable::RoleLabel(98), "Comando Botão 2");
    EXPECT_EQ(VariableTable::RoleLabel(112), "Var.Manip.(posição real)");
    EXPECT_EQ(AddressName(5), "M05");
}

}  // namespace
}  // namespace vork
