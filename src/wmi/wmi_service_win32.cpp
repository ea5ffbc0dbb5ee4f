#include "wmi/wmi_service_win32.h"

#include <windows.h>
#include <oleauto.h>
#include <wbemdisp.h>

#include <string>

#include "platform/handles_win32.h"
#include "wmi/com_values_win32.h"

namespace teko {

namespace {

// SWbemLocator.
constexpr CLSID kLocatorClass = {0x76A64158, 0xCB41, 0x11D1, {0x8B, 0x02, 0x00, 0x60, 0x08, 0x06, 0xD9, 0xB6}};

void Check(HRESULT result, const char* step) {
  if (FAILED(result)) throw OsError(static_cast<uint32_t>(result), std::string("WMI: ") + step + " failed");
}

// The platform's text of a value: strings unchanged, Booleans by their
// conversion with the user's default locale, everything else by the
// general conversion to a string, which fails for arrays and objects.
WmiValue TextOf(VARIANT& value) {
  switch (value.vt) {
    case VT_NULL:
      return WmiValue::Null();
    case VT_BSTR:
      return WmiValue::Of(BstrText(value.bstrVal));
    case VT_BOOL: {
      Bstr text;
      if (FAILED(::VarBstrFromBool(value.boolVal, LOCALE_USER_DEFAULT, 0, text.put()))) return WmiValue::Failed();
      return WmiValue::Of(text.text());
    }
    default: {
      Variant text;
      if (FAILED(::VariantChangeTypeEx(text.put(), &value, LOCALE_USER_DEFAULT, 0, VT_BSTR))) {
        return WmiValue::Failed();
      }
      return WmiValue::Of(BstrText(text.get().bstrVal));
    }
  }
}

class ScriptingObject final : public WmiObject {
 public:
  explicit ScriptingObject(ComPtr<ISWbemObject> object) : object_(std::move(object)) {}

  WmiValue Property(std::wstring_view name) const override {
    ComPtr<ISWbemPropertySet> properties;
    if (FAILED(object_->get_Properties_(properties.put())) || !properties) return WmiValue::Failed();
    Bstr propertyName(name);
    ComPtr<ISWbemProperty> property;
    if (FAILED(properties->Item(propertyName.get(), 0, property.put())) || !property) return WmiValue::Failed();
    Variant value;
    if (FAILED(property->get_Value(value.put()))) return WmiValue::Failed();
    return TextOf(value.get());
  }

 private:
  ComPtr<ISWbemObject> object_;
};

class ScriptingConnection final : public WmiConnection {
 public:
  explicit ScriptingConnection(ComPtr<ISWbemServices> services) : services_(std::move(services)) {}

  WmiObjectSet Query(std::wstring_view className) override {
    Bstr query(L"SELECT * FROM " + std::wstring(className));
    Bstr language(L"WQL");
    ComPtr<ISWbemObjectSet> set;
    Check(services_->ExecQuery(query.get(), language.get(), 0, nullptr, set.put()), "ExecQuery");
    ComPtr<IUnknown> enumerable;
    Check(set->get__NewEnum(enumerable.put()), "_NewEnum");
    ComPtr<IEnumVARIANT> items;
    Check(enumerable->QueryInterface(IID_IEnumVARIANT, items.put_void()), "IEnumVARIANT");

    WmiObjectSet result;
    for (;;) {
      Variant item;
      ULONG fetched = 0;
      HRESULT next = items->Next(1, item.put(), &fetched);
      if (next == S_FALSE || (next == S_OK && fetched == 0)) break;
      ComPtr<ISWbemObject> object;
      if (FAILED(next) || (item.get().vt != VT_DISPATCH && item.get().vt != VT_UNKNOWN) || !item.get().punkVal ||
          FAILED(item.get().punkVal->QueryInterface(__uuidof(ISWbemObject), object.put_void()))) {
        result.complete = false;
        break;
      }
      result.objects.push_back(std::make_unique<ScriptingObject>(std::move(object)));
    }
    return result;
  }

 private:
  ComPtr<ISWbemServices> services_;
};

ComPtr<ISWbemServices> ConnectScripting(std::wstring_view space) {
  ComPtr<ISWbemLocator> locator;
  Check(::CoCreateInstance(kLocatorClass, nullptr, CLSCTX_INPROC_SERVER, __uuidof(ISWbemLocator), locator.put_void()),
        "creating the locator");
  Bstr spaceName(space);
  ComPtr<ISWbemServices> services;
  Check(locator->ConnectServer(nullptr, spaceName.get(), nullptr, nullptr, nullptr, nullptr, 0, nullptr,
                               services.put()),
        "ConnectServer");
  if (!services) throw OsError(static_cast<uint32_t>(E_POINTER), "WMI: ConnectServer gave no services");
  return services;
}

ComPtr<ISWbemProperty> PropertyOf(ISWbemObject& object, std::wstring_view name) {
  ComPtr<ISWbemPropertySet> properties;
  Check(object.get_Properties_(properties.put()), "Properties_");
  Bstr propertyName(name);
  ComPtr<ISWbemProperty> property;
  Check(properties->Item(propertyName.get(), 0, property.put()), "Properties_.Item");
  if (!property) throw OsError(static_cast<uint32_t>(E_POINTER), "WMI: no such property");
  return property;
}

class ScriptingWmiService final : public WmiService {
 public:
  explicit ScriptingWmiService(std::wstring_view space) : space_(space) {}

  std::unique_ptr<WmiConnection> Connect() override {
    return std::make_unique<ScriptingConnection>(ConnectScripting(space_));
  }

 private:
  std::wstring space_;
};

}  // namespace

std::unique_ptr<WmiService> MakeScriptingWmiService(std::wstring_view space) {
  return std::make_unique<ScriptingWmiService>(space);
}

uint32_t ExecStaticWmiMethod(std::wstring_view space, std::wstring_view className, std::wstring_view method,
                             std::wstring_view parameter, std::wstring_view value) {
  ComPtr<ISWbemServices> services = ConnectScripting(space);
  Bstr classPath(className);
  ComPtr<ISWbemObject> classObject;
  Check(services->Get(classPath.get(), 0, nullptr, classObject.put()), "Get");
  ComPtr<ISWbemMethodSet> methods;
  if (classObject) Check(classObject->get_Methods_(methods.put()), "Methods_");
  if (!methods) throw OsError(static_cast<uint32_t>(E_POINTER), "WMI: no such class");
  Bstr methodName(method);
  ComPtr<ISWbemMethod> definition;
  Check(methods->Item(methodName.get(), 0, definition.put()), "Methods_.Item");
  ComPtr<ISWbemObject> inDefinition;
  if (definition) Check(definition->get_InParameters(inDefinition.put()), "InParameters");
  if (!inDefinition) throw OsError(static_cast<uint32_t>(E_POINTER), "WMI: the method takes no parameters");
  ComPtr<ISWbemObject> in;
  Check(inDefinition->SpawnInstance_(0, in.put()), "SpawnInstance_");
  if (!in) throw OsError(static_cast<uint32_t>(E_POINTER), "WMI: no parameter instance");
  Variant text;
  text.get().vt = VT_BSTR;
  text.get().bstrVal = ::SysAllocStringLen(value.data(), static_cast<UINT>(value.size()));
  Check(PropertyOf(*in.get(), parameter)->put_Value(&text.get()), "put_Value");

  ComPtr<IDispatch> inDispatch;
  Check(in->QueryInterface(IID_IDispatch, inDispatch.put_void()), "IDispatch");
  ComPtr<ISWbemObject> out;
  Check(services->ExecMethod(classPath.get(), methodName.get(), inDispatch.get(), 0, nullptr, out.put()),
        "ExecMethod");
  if (!out) throw OsError(static_cast<uint32_t>(E_POINTER), "WMI: the method gave no result");
  Variant result;
  Check(PropertyOf(*out.get(), L"ReturnValue")->get_Value(result.put()), "ReturnValue");
  Variant number;
  Check(::VariantChangeType(number.put(), &result.get(), 0, VT_UI4), "ReturnValue as a number");
  return number.get().ulVal;
}

}  // namespace teko
